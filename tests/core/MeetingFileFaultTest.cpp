#include "DataFileFixture.h"
#include "StorageFixture.h"
#include "app/MeetingFileCommands.h"
#include "app/StorageMessages.h"

#include "storage/ForeignFileCheck.h"
#include "storage/RecordJournal.h"
#include "text/Cp932.h"
#include "text/FixedText.h"
#include "text/Utf8.h"

namespace {

using R = MeetingRecord;

constexpr std::u16string_view kOpenError =
    u"ﾌｧｲﾙを開くときにｴﾗｰが発生しました。もう一度実行してください。";
constexpr std::u16string_view kWriteError = u"ﾌｧｲﾙを書き込むときにｴﾗｰが発生しました。";
constexpr std::u16string_view kCloseError =
    u"ﾌｧｲﾙを閉じるときにｴﾗｰが発生しました。もう一度実行してください。";

std::vector<std::uint8_t> recordBytes(int count) {
    MeetingRecord record;
    record.setCount(static_cast<std::int16_t>(count));
    return {record.bytes.begin(), record.bytes.end()};
}

} // namespace

class MeetingFileFaultTest : public StorageFixture {
protected:
    // Opens a damaged file: it must be refused with the open message, leave
    // the open meeting as it was and leave the file untouched.
    void expectRefused(const std::string& name, std::u16string_view message = kOpenError) {
        const auto before = readBytes(dir.file(name));
        const auto title = state.meetingTitle;
        EXPECT_FALSE(openMeetingFile(program, fromName(name)));
        ASSERT_EQ(platform.events().size(), 1u);
        EXPECT_EQ(platform.events()[0].text, message);
        EXPECT_EQ(platform.events()[0].title, u"ラリーノート");
        EXPECT_EQ(state.meetingTitle, title);
        EXPECT_EQ(state.currentPath, u"取りあえず.rlw");
        EXPECT_EQ(readBytes(dir.file(name)), before);
        platform.clear();
    }
    static std::u16string fromName(const std::string& name) {
        return std::u16string(name.begin(), name.end());
    }
    void SetUp() override {
        makeMeetings(1);
        state.meetingTitle = u"開いている会";
    }
};

TEST_F(MeetingFileFaultTest, DamagedFilesAreRefusedWithoutChange) {
    writeBytes(dir.file("empty.rly"), {});
    expectRefused("empty.rly");
    auto shortFile = recordBytes(1);
    shortFile.resize(R::kSize - 1);
    writeBytes(dir.file("short.rly"), shortFile);
    expectRefused("short.rly");
}

// Another program's file, or one garbled beyond use, is told from a meeting
// file that lost its tail: it is refused, and neither it nor a journal
// beside it is ever written.
TEST_F(MeetingFileFaultTest, ForeignFilesAreRefusedAndNeverWritten) {
    std::vector<std::uint8_t> picture = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    for (std::size_t k = 0; picture.size() < 3 * R::kSize + 100; ++k) {
        picture.push_back(static_cast<std::uint8_t>(k * 37 + k / 7));
    }
    writeBytes(dir.file("picture.rly"), picture);
    const auto setAt = [](std::size_t offset, std::int16_t value) {
        return [=](int, MeetingRecord& record) { record.setInt16At(offset, value); };
    };
    writeDataFile(dir.file("negative.rly"), 3, -2);
    writeDataFile(dir.file("method.rly"), 1, 1, setAt(R::kMatchMethodOffset, 3));
    writeDataFile(dir.file("size.rly"), 2, 2, setAt(R::kTeamSizeOffset + 2, 21));
    writeDataFile(dir.file("code.rly"), 1, 1,
                  setAt(R::kPairOffset + 2 * R::pairIndex(1, 21, 0), 10));
    writeDataFile(dir.file("score.rly"), 1, 1, [](int, MeetingRecord& record) {
        record.setInt32At(R::kResultOffset + 4 * R::resultIndex(0, 2, 20), 1000000);
    });
    auto tail = recordBytes(2);
    tail.resize(2 * R::kSize + 1);
    writeBytes(dir.file("tail.rly"), tail);
    for (const char* name : {"picture.rly", "negative.rly", "method.rly", "size.rly", "code.rly",
                             "score.rly", "tail.rly"}) {
        SCOPED_TRACE(name);
        expectRefused(name, kNotAMeetingFile);
        EXPECT_FALSE(std::filesystem::exists(journal::pathOf(dir.file(name))));
    }
}

// A file whose tail was lost opens at its last whole record with a warning,
// and opening it changes nothing in it.
TEST_F(MeetingFileFaultTest, FileCutShortOpensAtItsLastWholeRecord) {
    const auto title = [](int r) { return u"第" + fromUtf8(std::to_string(r)) + u"回"; };
    const auto fill = [&](int r, MeetingRecord& record) {
        cp932::writeField(&record.bytes[R::kTitleOffset], R::kTitleBytes, title(r));
    };
    writeDataFile(dir.file("far.rly"), 3, 30000, fill);
    writeDataFile(dir.file("four.rly"), 3, 4, fill);
    auto part = readBytes(dir.file("four.rly"));
    part.resize(part.size() + R::kSize / 2, 0x41);
    writeBytes(dir.file("part.rly"), part);
    auto partOfTwo = readBytes(dir.file("four.rly"));
    partOfTwo.resize(2 * R::kSize + 7);
    writeBytes(dir.file("two.rly"), partOfTwo);
    const struct {
        const char* name;
        int held;
    } cases[] = {{"far.rly", 3}, {"four.rly", 3}, {"part.rly", 3}, {"two.rly", 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto before = readBytes(dir.file(c.name));
        ASSERT_TRUE(openMeetingFile(program, fromName(c.name)));
        EXPECT_EQ(state.meetingCount, c.held);
        EXPECT_EQ(state.meetingTitle.str(), fitText(title(c.held), 40));
        EXPECT_EQ(state.currentPath, fromName(c.name));
        ASSERT_EQ(platform.events().size(), 1u);
        EXPECT_EQ(platform.events()[0].text, u"ﾌｧｲﾙが途中で切れています。読み込めた" +
                                                 fromUtf8(std::to_string(c.held)) +
                                                 u"回分の試合を開きます。");
        EXPECT_EQ(platform.events()[0].title, u"ラリーノート");
        EXPECT_EQ(readBytes(dir.file(c.name)), before);
        platform.clear();
    }
    // The meetings it kept can be viewed, saved and copied.
    ASSERT_TRUE(openMeetingFile(program, u"four.rly"));
    platform.clear();
    ASSERT_TRUE(readMeeting(program, 1));
    EXPECT_EQ(state.meetingTitle.str(), fitText(title(1), 40));
    ASSERT_TRUE(readMeeting(program, 3));
    state.resultTable[0][1][2] = 6002;
    ASSERT_TRUE(saveMeeting(program, SaveTarget::Meeting));
    ASSERT_TRUE(copyMeetingFile(program, u"copy.rly"));
    EXPECT_TRUE(platform.messages().empty());
    auto again = restart();
    ASSERT_TRUE(openMeetingFile(*again, u"copy.rly"));
    EXPECT_EQ(again->state.meetingCount, 3);
    EXPECT_EQ(again->state.resultTable[0][1][2], 6002);
    EXPECT_TRUE(platform.messages().empty());
}

TEST_F(MeetingFileFaultTest, MissingFileIsReportedAndNotCreated) {
    EXPECT_FALSE(openMeetingFile(program, u"nothing.rly"));
    EXPECT_EQ(platform.messages(), std::vector<std::u16string>{std::u16string(kOpenError)});
    EXPECT_FALSE(std::filesystem::exists(dir.file("nothing.rly")));
    EXPECT_EQ(state.currentPath, u"取りあえず.rlw");
}

TEST_F(MeetingFileFaultTest, ValuesOutOfRangeAreHeldToSoundOnes) {
    // Record 1 is sound; the newest meeting holds the odd values.
    writeDataFile(dir.file("odd.rly"), 2, 2, [](int n, MeetingRecord& record) {
        if (n == 1) {
            return;
        }
        record.setInt16At(R::kTeamSizeOffset, 25);
        record.setInt16At(R::kTeamSizeOffset + 2, -3);
        record.setInt16At(R::kMatchMethodOffset, 7);
        record.setInt16At(R::kPairOffset + 2 * R::pairIndex(0, 1, 2), 42);
        record.setInt16At(R::kPairOffset + 2 * R::pairIndex(0, 2, 1), -1);
        record.setInt16At(R::kPairOffset + 2 * R::pairIndex(1, 3, 4), PairRunning);
        record.setInt16At(R::kPairOffset + 2 * R::pairIndex(1, 4, 3), PairFinished);
        record.setInt32At(R::kResultOffset + 4 * R::resultIndex(0, 1, 2), -7);
        record.setInt32At(R::kResultOffset + 4 * R::resultIndex(0, 2, 1), 1000000);
        record.setInt32At(R::kResultOffset + 4 * R::resultIndex(1, 3, 4), 6004);
    });
    ASSERT_TRUE(openMeetingFile(program, u"odd.rly"));
    EXPECT_EQ(state.teamSize[0], 20);
    EXPECT_EQ(state.teamSize[1], 0);
    EXPECT_EQ(state.matchMethod, MatchMethod::TwoTeamDoubles);
    EXPECT_EQ(state.pairState[0][1][2], PairUnavailable);
    EXPECT_EQ(state.pairState[0][2][1], PairUnavailable);
    EXPECT_EQ(state.pairState[1][3][4], 0);
    EXPECT_EQ(state.pairState[1][4][3], PairFinished);
    EXPECT_EQ(state.resultTable[0][1][2], 0);
    EXPECT_EQ(state.resultTable[0][2][1], 0);
    EXPECT_EQ(state.resultTable[1][3][4], 6004);
}

TEST_F(MeetingFileFaultTest, ReadingAMeetingTheFileLacksIsRefused) {
    const auto title = state.meetingTitle;
    for (int n : {0, -1, 2, 30000}) {
        EXPECT_FALSE(readMeeting(program, n));
    }
    ASSERT_EQ(platform.events().size(), 4u);
    EXPECT_EQ(platform.events()[0].text, kOpenError);
    EXPECT_EQ(platform.events()[0].title, u"ﾃｷｽﾄ ｴﾃﾞｨﾀ");
    EXPECT_EQ(state.meetingTitle, title);
    MeetingRecord record;
    EXPECT_FALSE(program.meetingFile.readRecord(2, record));
    EXPECT_TRUE(program.meetingFile.readRecord(1, record));
    EXPECT_EQ(program.meetingFile.recordsInFile(), 1);
}

TEST_F(MeetingFileFaultTest, SaveIntoAnUnreachableFolderFails) {
    writeBytes(dir.file("plain"), {1, 2, 3});
    state.currentPath = u"plain/club.rly";
    EXPECT_FALSE(saveMeeting(program, SaveTarget::Meeting));
    EXPECT_EQ(platform.events().size(), 1u);
    EXPECT_EQ(platform.events()[0].text, kWriteError);
    EXPECT_EQ(platform.events()[0].title, u"ラリーノート");
    EXPECT_EQ(readBytes(dir.file("plain")), (std::vector<std::uint8_t>{1, 2, 3}));
    platform.clear();
    EXPECT_FALSE(copyMeetingFile(program, u"plain/copy.rly"));
    EXPECT_EQ(platform.messages(), std::vector<std::u16string>{std::u16string(kOpenError)});
}

TEST_F(MeetingFileFaultTest, FullDiskKeepsEarlierRecordsAndTheState) {
    const auto file = dir.file("取りあえず.rlw");
    ASSERT_TRUE(saveMeeting(program, SaveTarget::Meeting));
    const auto before = readBytes(file);
    // Room for one record and a little: completing the meeting cannot add
    // the second record, and what it began to write is taken back.
    const int code = runWithFileSizeLimit(R::kSize + 100, [&]() {
        if (!saveMeeting(program, SaveTarget::Meeting)) {
            return 1;
        }
        resetMeeting(state, ResetTarget::MatchData);
        ++state.meetingCount;
        state.meetingTitle = u"第2回";
        if (saveMeeting(program, SaveTarget::MeetingAndCount)) {
            return 2;
        }
        if (platform.messages() != std::vector<std::u16string>{std::u16string(kWriteError)}) {
            return 3;
        }
        if (state.meetingTitle.str() != fitText(u"第2回", 40) || state.meetingCount != 2) {
            return 4;
        }
        state.meetingCount = 1;
        return copyMeetingFile(program, u"copy.rly") ? 0 : 5;
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(readBytes(file), before);
}

TEST_F(MeetingFileFaultTest, FullDiskDuringNewKeepsTheMeeting) {
    std::filesystem::remove(dir.file("取りあえず.rlw"));
    const int code = runWithFileSizeLimit(R::kSize / 2, [&]() {
        if (createScratchFile(program)) {
            return 1;
        }
        if (platform.events().size() != 1 || platform.events()[0].text != kCloseError ||
            !platform.events()[0].title.empty()) {
            return 2;
        }
        if (state.meetingTitle.str() != fitText(u"開いている会", 40)) {
            return 3;
        }
        return 0;
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(readBytes(dir.file("取りあえず.rlw")).size() % R::kSize, 0u);
}

TEST_F(MeetingFileFaultTest, FailedSaveAsLeavesNoPartFile) {
    makeMeetings(3);
    const int code = runWithFileSizeLimit(2 * R::kSize, [&]() {
        if (copyMeetingFile(program, u"copy.rly")) {
            return 1;
        }
        if (platform.messages() != std::vector<std::u16string>{std::u16string(kOpenError)}) {
            return 2;
        }
        return state.currentPath == u"取りあえず.rlw" ? 0 : 3;
    });
    EXPECT_EQ(code, 0);
    EXPECT_FALSE(std::filesystem::exists(dir.file("copy.rly")));
}
