#include "MatchFixture.h"

#include "app/MeetingCompletion.h"
#include "app/MeetingFileCommands.h"
#include "text/Utf8.h"

#include <csignal>
#include <sys/resource.h>

namespace {

constexpr std::u16string_view kCompleteQuestion =
    u"現在の全ての組合せを終了します。よろしいですか ?";

class CompletionTest : public MatchFixture {
protected:
    void SetUp() override {
        MatchFixture::SetUp();
        MeetingState& s = state();
        s.matchMethod = MatchMethod::OneTeamDoubles;
        s.resultTable[0][3][1] = 6004;
        s.resultTable[0][1][3] = 6004;
        s.setPair(0, 3, 1, PairFinished);
        s.currentTeam = 1;
        ASSERT_TRUE(saveMeeting(program(), SaveTarget::Meeting));
        platform_.clear();
    }
    bool complete(bool yes) {
        platform_.setNextAnswer(yes);
        return completeMeeting(program());
    }
    bool undo(bool yes) {
        platform_.setNextAnswer(yes);
        return undoCompletion(program());
    }
    std::uintmax_t fileSize() {
        return std::filesystem::file_size(program().meetingFile.resolve(state().currentPath));
    }
};

} // namespace

TEST_F(CompletionTest, RefusalsComeInOrderAndChangeNothing) {
    MeetingState& s = state();
    s.intraTeamMode = IntraTeamMode::On;
    s.viewState = ViewState::Totals;
    s.viewedMeeting = 1;
    s.runningCount = 1;
    const std::u16string messages[] = {
        u"１チーム制が宣言されています。解除後ご実行して下さい。",
        u"合計表示中です。",
        u"前回表示中です。表示を戻してから実行して下さい。",
        u"試合中のﾃﾞｰﾀがあります。終了、ｷｬﾝｾﾙ後実行して下さい。",
    };
    for (bool (*command)(Program&) : {&completeMeeting, &undoCompletion}) {
        platform_.clear();
        s.intraTeamMode = IntraTeamMode::On;
        s.viewState = ViewState::Totals;
        s.viewedMeeting = 1;
        for (const std::u16string& message : messages) {
            EXPECT_FALSE(command(program()));
            ASSERT_FALSE(platform_.messages().empty());
            EXPECT_EQ(platform_.messages().back(), message);
            EXPECT_EQ(platform_.events().back().title, kAppTitle);
            // Lift the condition just refused.
            if (s.intraTeamMode == IntraTeamMode::On) {
                s.intraTeamMode = IntraTeamMode::Off;
            } else if (s.viewState == ViewState::Totals) {
                s.viewState = ViewState::PairingTable;
            } else if (s.viewedMeeting > 0) {
                s.viewedMeeting = 0;
            }
        }
        EXPECT_TRUE(platform_.questions().empty());
    }
    EXPECT_EQ(s.meetingCount, 1);
    EXPECT_EQ(s.resultTable[0][3][1], 6004);

    s.runningCount = 0;
    s.meetingCount = 0;
    platform_.clear();
    EXPECT_FALSE(completeMeeting(program()));
    EXPECT_EQ(platform_.messages(), std::vector<std::u16string>{u"データが作成されていません。"});
}

TEST_F(CompletionTest, CompletingMeetingOneStartsMeetingTwo) {
    ASSERT_TRUE(complete(true));
    EXPECT_EQ(platform_.questions(),
              std::vector<std::u16string>{std::u16string(kCompleteQuestion)});
    const MeetingState& s = state();
    EXPECT_EQ(s.meetingCount, 2);
    EXPECT_EQ(s.currentTeam, 0);
    EXPECT_EQ(s.matchMethod, MatchMethod::OneTeamDoubles);
    EXPECT_EQ(s.teamSize[0], 6);
    EXPECT_EQ(s.memberAbbrev[1][4], FixedText<8>(u"Ｂ乙4"));
    EXPECT_EQ(s.resultTable[0][3][1], 0);
    EXPECT_EQ(s.pairState[0][3][1], PairSecondClass);
    EXPECT_EQ(s.pairState[1][6][2], PairSecondClass);

    EXPECT_EQ(fileSize(), 2 * MeetingRecord::kSize);
    const MeetingRecord first = record(1);
    EXPECT_EQ(first.count(), 2);
    EXPECT_EQ(storedResult(first, 0, 3, 1), 6004);
    EXPECT_EQ(storedResult(record(2), 0, 3, 1), 0);
    EXPECT_NE(logText().find(u"完了報告 2回 "), std::u16string::npos);
}

TEST_F(CompletionTest, NoToTheQuestionChangesNothing) {
    EXPECT_FALSE(complete(false));
    EXPECT_EQ(state().meetingCount, 1);
    EXPECT_EQ(state().resultTable[0][3][1], 6004);
    EXPECT_EQ(fileSize(), MeetingRecord::kSize);
}

TEST_F(CompletionTest, UndoBringsBackTheCompletedMeeting) {
    EXPECT_FALSE(undo(true));
    EXPECT_EQ(platform_.messages(),
              std::vector<std::u16string>{u"完了データが作成されていません。"});
    EXPECT_TRUE(platform_.questions().empty());
    platform_.clear();

    ASSERT_TRUE(complete(true));
    state().resultTable[0][6][5] = 3006;
    EXPECT_FALSE(undo(false));
    EXPECT_EQ(state().meetingCount, 2);

    platform_.clear();
    ASSERT_TRUE(undo(true));
    EXPECT_EQ(platform_.questions().size(), 1U);
    const MeetingState& s = state();
    EXPECT_EQ(s.meetingCount, 1);
    EXPECT_EQ(s.resultTable[0][3][1], 6004);
    EXPECT_EQ(s.resultTable[0][6][5], 0);
    EXPECT_EQ(s.pairState[0][3][1], PairFinished);
    // Record 1 counts one meeting again, so the next start opens this one.
    EXPECT_EQ(record(1).count(), 1);
    EXPECT_EQ(record(1).result(0, 3, 1), 6004);
    EXPECT_NE(logText().find(u"完了戻し 1回 "), std::u16string::npos);
}

TEST_F(CompletionTest, AFailedSaveLeavesTheMeetingInMemory) {
    const std::u16string path = state().currentPath;
    state().currentPath = fromUtf8((dir_ / "missing" / "club.rly").string());
    EXPECT_FALSE(complete(true));
    EXPECT_EQ(state().meetingCount, 1);
    EXPECT_EQ(state().resultTable[0][3][1], 6004);
    EXPECT_EQ(state().pairState[0][3][1], PairFinished);
    EXPECT_EQ(state().currentTeam, 1);
    EXPECT_EQ(platform_.messages().size(), 1U);
    EXPECT_EQ(logText().find(u"完了報告"), std::u16string::npos);
    state().currentPath = path;
}

TEST_F(CompletionTest, AFailedSaveOfTheNewMeetingStaysOnTheCompletedOne) {
    // The file may not grow past one record: meeting 2 cannot be added.
    rlimit before{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = before;
    small.rlim_cur = MeetingRecord::kSize;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool completed = complete(true);
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(completed);
    EXPECT_EQ(state().meetingCount, 1);
    EXPECT_EQ(state().resultTable[0][3][1], 6004);
    EXPECT_EQ(state().pairState[0][3][1], PairFinished);
    EXPECT_EQ(fileSize(), MeetingRecord::kSize);
    EXPECT_EQ(record(1).count(), 1);
    EXPECT_EQ(logText().find(u"完了報告"), std::u16string::npos);
}

TEST_F(CompletionTest, AFailedReadOnUndoKeepsTheCurrentMeeting) {
    ASSERT_TRUE(complete(true));
    state().resultTable[0][6][5] = 3006;
    state().currentPath = fromUtf8((dir_ / "missing" / "club.rly").string());
    EXPECT_FALSE(undo(true));
    EXPECT_EQ(state().meetingCount, 2);
    EXPECT_EQ(state().resultTable[0][6][5], 3006);
    EXPECT_EQ(logText().find(u"完了戻し"), std::u16string::npos);
}
