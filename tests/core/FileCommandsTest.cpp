#include "ProgramFixture.h"

#include "app/FileCommands.h"
#include "app/LogCommands.h"
#include "app/MeetingFileCommands.h"
#include "app/StartUp.h"

#include <fstream>
#include <functional>
#include <iterator>

namespace {

constexpr std::u16string_view kScratchQuestion =
    u"ファイルの保存が行われていません。 はい(Y)を選ぶと現在のﾃﾞｰﾀが消えます。";
constexpr std::u16string_view kDiscardQuestion =
    u"現在のﾃﾞｰﾀを破棄（上書）しますか ?　はい(Y)を選ぶと現在のﾃﾞｰﾀが消えます。";
constexpr std::u16string_view kExpectedOverwriteQuestion = u"既存のﾌｧｲﾙに上書きしますか ?";

using Texts = std::vector<std::u16string>;

class FileCommandsTest : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        startProgram(program(), layout_, designed());
    }

    std::u16string path(const std::string& name) const {
        const std::string full = (dir_ / name).string();
        return std::u16string(full.begin(), full.end());
    }

    static std::u16string rel(const std::string& name) { return {name.begin(), name.end()}; }

    // New, then Save As under `name`: a named file with one meeting.
    void makeNamedFile(const std::string& name) {
        newMeeting(program(), layout_);
        platform_.setNextFileName(path(name));
        saveMeetingAs(program(), layout_);
        platform_.clear();
    }

    std::string bytes(const std::string& name) const {
        std::ifstream in(dir_ / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
};

} // namespace

TEST_F(FileCommandsTest, NewWithoutAFileAsksNothingAndStartsTheScratchFile) {
    newMeeting(program(), layout_);
    EXPECT_TRUE(platform_.questions().empty());
    EXPECT_EQ(state().meetingCount, 1);
    EXPECT_EQ(state().currentPath, u"取りあえず.rlw");
    EXPECT_EQ(state().openName, u"取りあえず.rlw");
    EXPECT_EQ(std::filesystem::file_size(program().meetingFile.resolve(u"取りあえず.rlw")),
              MeetingRecord::kSize);
}

TEST_F(FileCommandsTest, NewOnTheScratchFileAsksOnlyTheUnsavedQuestion) {
    newMeeting(program(), layout_);
    state().meetingTitle = u"夏の練習会";
    platform_.clear();

    newMeeting(program(), layout_); // No: nothing happens
    EXPECT_EQ(platform_.questions(), Texts{std::u16string(kScratchQuestion)});
    EXPECT_EQ(state().meetingTitle.str().substr(0, 5), u"夏の練習会");

    platform_.clear();
    platform_.setNextAnswer(true);
    newMeeting(program(), layout_);
    EXPECT_EQ(platform_.questions(), Texts{std::u16string(kScratchQuestion)});
    EXPECT_EQ(state().meetingTitle.str().substr(0, 6), u"テニスの試合");
    EXPECT_EQ(state().meetingCount, 1);
}

TEST_F(FileCommandsTest, NewWithANamedFileAndYesSavesWithoutTheOverwriteQuestion) {
    makeNamedFile("club.rly");
    state().meetingTitle = u"秋の大会";
    platform_.setNextAnswer(true);
    newMeeting(program(), layout_);

    EXPECT_EQ(platform_.questions(), Texts{std::u16string(kDiscardQuestion)});
    EXPECT_EQ(state().currentPath, u"取りあえず.rlw");

    platform_.setNextAnswer(true); // leave the scratch file
    openRecentFile(program(), 1);
    EXPECT_EQ(state().currentPath, rel("club.rly"));
    EXPECT_EQ(state().meetingTitle.str().substr(0, 4), u"秋の大会");
}

TEST_F(FileCommandsTest, NewWithANamedFileAndNoAsksToOverwriteTheFile) {
    makeNamedFile("club.rly");
    platform_.setNextAnswer(false);
    platform_.setNextAnswer(false);
    newMeeting(program(), layout_);
    EXPECT_EQ(platform_.questions(), (Texts{std::u16string(kDiscardQuestion),
                                            std::u16string(kExpectedOverwriteQuestion)}));
    EXPECT_EQ(state().currentPath, rel("club.rly"));
}

TEST_F(FileCommandsTest, NewWhoseScratchFileCannotBeWrittenChangesNothing) {
    makeNamedFile("club.rly");
    state().meetingCount = 3;
    ASSERT_TRUE(saveMeeting(program(), SaveTarget::MeetingAndCount));
    // A folder in the scratch file's place: the new scratch file cannot be written.
    std::filesystem::remove(dir_ / "取りあえず.rlw");
    std::filesystem::create_directory(dir_ / "取りあえず.rlw");
    platform_.setNextAnswer(true);
    newMeeting(program(), layout_);
    EXPECT_EQ(state().meetingCount, 3);
    EXPECT_EQ(state().currentPath, rel("club.rly"));
    EXPECT_EQ(state().targetPath, rel("club.rly"));
    ASSERT_TRUE(saveMeeting(program(), SaveTarget::Meeting));
    MeetingRecord first;
    ASSERT_TRUE(program().meetingFile.readRecord(1, first));
    EXPECT_EQ(first.count(), 3) << "every meeting stays in the file";
}

TEST_F(FileCommandsTest, CloseAlwaysAsksTheOverwriteQuestionAndNoChangesNothing) {
    makeNamedFile("club.rly");
    state().meetingTitle = u"雨天中止";
    const std::string before = bytes("club.rly");

    closeMeeting(program(), layout_);
    EXPECT_EQ(platform_.questions(), Texts{std::u16string(kExpectedOverwriteQuestion)});
    EXPECT_EQ(bytes("club.rly"), before);
    EXPECT_EQ(state().currentPath, rel("club.rly"));
    EXPECT_EQ(state().meetingTitle.str().substr(0, 4), u"雨天中止");

    platform_.setNextAnswer(true);
    closeMeeting(program(), layout_);
    EXPECT_NE(bytes("club.rly"), before);
    EXPECT_EQ(state().openName, rel("club.rly"));
}

TEST_F(FileCommandsTest, CloseWithoutAFileDoesNothing) {
    closeMeeting(program(), layout_);
    EXPECT_TRUE(platform_.events().empty());
    EXPECT_TRUE(state().openName.empty());
}

TEST_F(FileCommandsTest, TheGuardsRefuseEveryItemExitIncluded) {
    struct Case {
        std::int16_t intraTeam;
        std::int16_t viewed;
        std::u16string message;
    };
    const Case cases[] = {
        {1, 0, u"２チーム制中に１チーム制の宣言がされています。 解除後に行って下さい。"},
        {0, 2, u"前回情報を表示中です。表示戻し後に行って下さい。"},
    };
    for (const Case& c : cases) {
        const std::function<FileOutcome()> commands[] = {
            [&] { return newMeeting(program(), layout_), FileOutcome::Stay; },
            [&] { return openMeeting(program(), layout_), FileOutcome::Stay; },
            [&] { return saveMeetingAs(program(), layout_), FileOutcome::Stay; },
            [&] { return closeMeeting(program(), layout_), FileOutcome::Stay; },
            [&] { return exitProgram(program()); },
        };
        for (const auto& command : commands) {
            platform_.clear();
            state().intraTeamMode = static_cast<IntraTeamMode>(c.intraTeam);
            state().viewedMeeting = c.viewed;
            EXPECT_EQ(command(), FileOutcome::Stay);
            ASSERT_EQ(platform_.events().size(), 1u);
            EXPECT_EQ(platform_.events()[0].text, c.message);
            EXPECT_EQ(platform_.events()[0].title, u"ラリーノート");
            EXPECT_EQ(program().log.entryCount, 1);
        }
    }
}

TEST_F(FileCommandsTest, ExitAsksAboutRunningMatchesAndLogsAForcedEnd) {
    makeNamedFile("club.rly");
    state().runningCount = 1;
    EXPECT_EQ(exitProgram(program()), FileOutcome::Stay);
    EXPECT_EQ(program().log.entryCount, 1);

    platform_.setNextAnswer(true);
    EXPECT_EQ(exitProgram(program()), FileOutcome::Quit);
    std::u16string text;
    readLogText(program(), text);
    EXPECT_NE(text.find(u"強制終了"), std::u16string::npos);
    EXPECT_TRUE(settings_.value(u"RgFile", u"RgFileName1").has_value());
}

TEST_F(FileCommandsTest, SaveAsToTheSamePathOnlyBeeps) {
    makeNamedFile("club.rly");
    const std::string before = bytes("club.rly");
    platform_.setNextFileName(path("club.rly"));
    saveMeetingAs(program(), layout_);
    EXPECT_EQ(platform_.beepCount(), 1);
    EXPECT_EQ(platform_.events().size(), 1u);
    EXPECT_EQ(bytes("club.rly"), before);
}

TEST_F(FileCommandsTest, SaveAsWithoutAFileBeepsAndACancelledDialogChangesNothing) {
    saveMeetingAs(program(), layout_);
    EXPECT_EQ(platform_.beepCount(), 1);

    newMeeting(program(), layout_);
    platform_.clear();
    saveMeetingAs(program(), layout_); // cancelled
    EXPECT_TRUE(platform_.events().empty());
    EXPECT_EQ(state().targetPath, u"取りあえず.rlw");
}

TEST_F(FileCommandsTest, ADeclinedSaveAsLeavesTheMeetingWhereItWas) {
    newMeeting(program(), layout_);
    std::filesystem::copy_file(dir_ / "取りあえず.rlw", dir_ / "kept.rly");
    platform_.clear();
    platform_.setNextFileName(path("kept.rly"));
    saveMeetingAs(program(), layout_); // No to the overwrite question
    EXPECT_EQ(platform_.questions(), Texts{std::u16string(kExpectedOverwriteQuestion)});
    EXPECT_EQ(state().currentPath, u"取りあえず.rlw");
    EXPECT_EQ(state().targetPath, u"取りあえず.rlw");
    platform_.clear();
    EXPECT_EQ(exitProgram(program()), FileOutcome::Stay)
        << "the unsaved scratch file is still asked about";
    EXPECT_EQ(platform_.questions().size(), 1u);
}

TEST_F(FileCommandsTest, OpenAsksBeforeReplacingTheMeetingAndNoKeepsIt) {
    makeNamedFile("a.rly");
    makeNamedFile("b.rly");
    state().meetingTitle = u"残す";
    platform_.setNextFileName(path("a.rly"));
    openMeeting(program(), layout_);
    EXPECT_EQ(platform_.questions(), Texts{std::u16string(kDiscardQuestion)});
    EXPECT_EQ(state().currentPath, rel("b.rly"));
    EXPECT_EQ(state().meetingTitle.str().substr(0, 2), u"残す");

    platform_.clear();
    platform_.setNextFileName(path("a.rly"));
    platform_.setNextAnswer(true);
    layout_.selectedTeam = 1;
    openMeeting(program(), layout_);
    EXPECT_EQ(state().currentPath, rel("a.rly"));
    EXPECT_EQ(layout_.openedFileLabel, u"ﾌｧｲﾙ：" + rel("a.rly"));
    EXPECT_EQ(state().currentTeam, 1);
}

TEST_F(FileCommandsTest, ASixthRecentFileDropsTheOldest) {
    const std::string names[] = {"r1.rly", "r2.rly", "r3.rly", "r4.rly", "r5.rly", "r6.rly"};
    makeNamedFile(names[0]);
    for (int i = 1; i < 6; ++i) {
        std::filesystem::copy_file(dir_ / names[0], dir_ / names[i]);
    }
    for (int i = 1; i < 6; ++i) {
        platform_.setNextAnswer(true);
        platform_.setNextFileName(path(names[i]));
        openMeeting(program(), layout_);
    }
    RecentFiles& recent = program().recent;
    ASSERT_EQ(recent.entryCount, 5);
    for (int i = 1; i <= 5; ++i) {
        const std::u16string expected = rel(names[6 - i]);
        EXPECT_EQ(recent.entry(i).substr(0, expected.size()), expected) << i;
    }
}

TEST_F(FileCommandsTest, ARecentEntryLongerThanTheMenuShowsOpens) {
    const std::string longName = "club-of-the-autumn-meetings-2026.rly";
    makeNamedFile(longName);
    makeNamedFile("other.rly");
    platform_.setNextAnswer(true);
    openRecentFile(program(), 2);
    EXPECT_TRUE(platform_.messages().empty());
    EXPECT_EQ(state().currentPath, rel(longName));
}

TEST_F(FileCommandsTest, ARecentEntryOpensItsPathWithoutThePadding) {
    makeNamedFile("club.rly");
    std::filesystem::copy_file(dir_ / "club.rly", dir_ / "other.rly");
    platform_.setNextFileName(path("other.rly"));
    platform_.setNextAnswer(true);
    openMeeting(program(), layout_);
    ASSERT_EQ(program().recent.entry(2), u"club.rly" + std::u16string(24, u' '));

    platform_.setNextAnswer(true);
    openRecentFile(program(), 2);
    EXPECT_EQ(state().currentPath, rel("club.rly"));
    EXPECT_EQ(program().recent.entry(1), u"club.rly" + std::u16string(24, u' '));
    EXPECT_FALSE(std::filesystem::exists(dir_ / "club.rly                "));
}
