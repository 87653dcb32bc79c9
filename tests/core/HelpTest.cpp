#include "ProgramFixture.h"

#include "app/Help.h"
#include "app/LogCommands.h"
#include "app/MainGridEvents.h"
#include "app/StartUp.h"
#include "app/SupportFiles.h"

#include <fstream>
#include <iterator>

TEST(HelpTest, PagesOpenFromHtmlInTheWorkingFolder) {
    ScriptedPlatform platform;
    showHelp(platform, "/club", HelpPage::kRoster);
    EXPECT_EQ(platform.helpPages(), std::vector<std::string>{"/club/html/TENIS4.htm"});
}

TEST(HelpTest, VersionLabelWritesEachNumberWithALeadingBlank) {
    EXPECT_EQ(versionLabel(2, 1, 0), u"Version  2. 1. 0");
    EXPECT_EQ(versionLabel(10, 0, 12), u"Version  10. 0. 12");
    EXPECT_EQ(programVersionLabel(), u"Version  2. 1. 0");
}

TEST(HelpTest, ExplanationTextNamesEveryOperation) {
    const std::u16string_view text = explanationText();
    for (std::u16string_view part :
         {u"★ 説明 ★", u"詳細ヘルプ", u"試合開始", u"●、★、□、△の優先順で選択します。",
          u"★、△は、試合中のメンバーがいます。", u"チーム切替", u"試合中表示", u"完了報告",
          u"修正位置を右クリック後、左ﾀﾞﾌﾞﾙｸﾘｯｸします。", u"説明(S)"}) {
        EXPECT_NE(text.find(part), std::u16string_view::npos);
    }
}

namespace {

class GridAndLogTest : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        startProgram(program(), layout_, designed());
        state().teamSize[0] = 6;
        state().teamSize[1] = 4;
    }
};

} // namespace

TEST_F(GridAndLogTest, DoubleClickOutcomes) {
    struct Case {
        int team;
        int button;
        std::int16_t viewed;
        int column;
        int row;
        GridOutcome outcome;
    };
    const Case cases[] = {
        {0, LeftButton, 0, 3, 3, GridOutcome::Refused}, // diagonal
        {0, RightButton, 0, 3, 3, GridOutcome::Refused},
        {0, RightButton, 0, 7, 2, GridOutcome::Refused}, // beyond team A
        {1, LeftButton, 0, 5, 2, GridOutcome::Refused},  // beyond team B
        {0, LeftButton, 0, 0, 2, GridOutcome::Refused},  // heading
        {0, LeftButton, 0, 5, 2, GridOutcome::Pick},
        {0, LeftButton, 1, 5, 2, GridOutcome::Refused},     // earlier meeting shown
        {0, RightButton, 1, 5, 2, GridOutcome::Correction}, // correction still works
        {1, MiddleButton, 0, 2, 4, GridOutcome::Correction},
    };
    for (const Case& c : cases) {
        platform_.clear();
        state().currentTeam = static_cast<std::int16_t>(c.team);
        state().viewedMeeting = c.viewed;
        state().correctionCell = {0, 0};
        rememberGridButton(program(), c.button);
        EXPECT_EQ(state().lastGridButton, c.button);
        const GridOutcome outcome = handleGridDoubleClick(program(), c.column, c.row);
        EXPECT_EQ(outcome, c.outcome) << c.column << "," << c.row;
        EXPECT_EQ(platform_.beepCount(), outcome == GridOutcome::Refused ? 1 : 0);
        if (outcome == GridOutcome::Correction) {
            EXPECT_EQ(state().correctionCell,
                      (std::array<std::int16_t, 2>{static_cast<std::int16_t>(c.column),
                                                   static_cast<std::int16_t>(c.row)}));
        } else {
            EXPECT_EQ(state().correctionCell, (std::array<std::int16_t, 2>{0, 0}));
        }
    }
}

TEST_F(GridAndLogTest, ClearingTheLogAsksAndRestartsAtEntryOne) {
    appendLog(program(), u"結果 テスト");
    clearLog(program());
    EXPECT_EQ(platform_.questions(),
              std::vector<std::u16string>{
                  u"ログをｸﾘｱｰしますか ?　はい(Y)を選ぶと全てのログﾃﾞｰﾀがｸﾘｱｰされます。"});
    EXPECT_EQ(program().log.entryCount, 2);

    platform_.setNextAnswer(true);
    clearLog(program());
    EXPECT_EQ(program().log.entryCount, 1);
    EXPECT_NE(logText().find(u"ｸﾘｱｰ"), std::u16string::npos);
    EXPECT_EQ(logText().find(u"起動"), std::u16string::npos);
}

TEST(LogViewerTextTest, CaptionAndHeader) {
    const std::u16string caption = logViewerCaption();
    EXPECT_EQ(caption.size(), 1u + 24 + 24 + 4);
    EXPECT_EQ(caption.substr(49), u"ログ表示");
    EXPECT_EQ(kLogViewerHeader, u" NO YY/MM/DD TIME    区分　内容　");
}

TEST_F(GridAndLogTest, MissingHelpPagesAndPicturesAreCopiedIntoTheWorkingFolder) {
    const std::filesystem::path source = dir_ / "share";
    std::filesystem::create_directories(source / "html");
    std::ofstream(source / "html" / "TENIS5.htm") << "new";
    std::ofstream(source / "html" / "RLY_MM.htm") << "new";
    std::ofstream(source / "html" / "help.css") << "css";
    std::ofstream(source / "html" / "notes.txt") << "x";
    std::ofstream(source / "tenisman.bmp") << "BM";
    std::filesystem::create_directories(dir_ / "html");
    std::ofstream(dir_ / "html" / "RLY_MM.htm") << "club's own";

    copyMissingSupportFiles(dir_,
                            {{dir_ / "nowhere", dir_ / "nowhere"}, {source / "html", source}});

    const auto read = [](const std::filesystem::path& file) {
        std::ifstream in(file);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    EXPECT_EQ(read(dir_ / "html" / "TENIS5.htm"), "new");
    EXPECT_EQ(read(dir_ / "html" / "RLY_MM.htm"), "club's own");
    EXPECT_EQ(read(dir_ / "html" / "help.css"), "css");
    EXPECT_FALSE(std::filesystem::exists(dir_ / "html" / "notes.txt"));
    EXPECT_EQ(read(dir_ / "tenisman.bmp"), "BM");
    EXPECT_FALSE(std::filesystem::exists(dir_ / "teniswmn.bmp"));
}
