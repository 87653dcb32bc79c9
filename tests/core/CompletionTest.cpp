#include "MatchFixture.h"

#include "results/MeetingCompletion.h"
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
        s.MatchMethod = 1;
        s.ResultTable[0][3][1] = 6004;
        s.ResultTable[0][1][3] = 6004;
        s.setPair(0, 3, 1, PairFinished);
        s.CurrentTeam = 1;
        ASSERT_TRUE(program().meetingFile.SaveMeeting(0));
        platform_.clear();
    }
    bool complete(bool yes) {
        platform_.setNextAnswer(yes);
        return mnenditem_Click(program(), 0);
    }
    bool undo(bool yes) {
        platform_.setNextAnswer(yes);
        return mnenditem_Click(program(), 2);
    }
    std::uintmax_t fileSize() {
        return std::filesystem::file_size(program().meetingFile.resolve(state().CurrentPath));
    }
};

} // namespace

TEST_F(CompletionTest, RefusalsComeInOrderAndChangeNothing) {
    MeetingState& s = state();
    s.IntraTeamFlag = 1;
    s.ViewState = 2;
    s.ViewedMeeting = 1;
    s.RunningCount = 1;
    const std::u16string messages[] = {
        u"１チーム制が宣言されています。解除後ご実行して下さい。",
        u"合計表示中です。",
        u"前回表示中です。表示を戻してから実行して下さい。",
        u"試合中のﾃﾞｰﾀがあります。終了、ｷｬﾝｾﾙ後実行して下さい。",
    };
    for (int index : {0, 2}) {
        platform_.clear();
        s.IntraTeamFlag = 1;
        s.ViewState = 2;
        s.ViewedMeeting = 1;
        for (const std::u16string& message : messages) {
            EXPECT_FALSE(mnenditem_Click(program(), index));
            ASSERT_FALSE(platform_.messages().empty());
            EXPECT_EQ(platform_.messages().back(), message);
            EXPECT_EQ(platform_.events().back().title, kAppTitle);
            // Lift the condition just refused.
            if (s.IntraTeamFlag == 1) {
                s.IntraTeamFlag = 0;
            } else if (s.ViewState == 2) {
                s.ViewState = 0;
            } else if (s.ViewedMeeting > 0) {
                s.ViewedMeeting = 0;
            }
        }
        EXPECT_TRUE(platform_.questions().empty());
    }
    EXPECT_EQ(s.MeetingCount, 1);
    EXPECT_EQ(s.ResultTable[0][3][1], 6004);

    s.RunningCount = 0;
    s.MeetingCount = 0;
    platform_.clear();
    EXPECT_FALSE(mnenditem_Click(program(), 0));
    EXPECT_EQ(platform_.messages(), std::vector<std::u16string>{u"データが作成されていません。"});
}

TEST_F(CompletionTest, OtherMenuIndexesDoNothing) {
    EXPECT_FALSE(mnenditem_Click(program(), 1));
    EXPECT_FALSE(mnenditem_Click(program(), 3));
    EXPECT_TRUE(platform_.events().empty());
}

TEST_F(CompletionTest, CompletingMeetingOneStartsMeetingTwo) {
    ASSERT_TRUE(complete(true));
    EXPECT_EQ(platform_.questions(),
              std::vector<std::u16string>{std::u16string(kCompleteQuestion)});
    const MeetingState& s = state();
    EXPECT_EQ(s.MeetingCount, 2);
    EXPECT_EQ(s.CurrentTeam, 0);
    EXPECT_EQ(s.MatchMethod, 1);
    EXPECT_EQ(s.TeamSize[0], 6);
    EXPECT_EQ(s.MemberAbbrev[1][4], FixedText<8>(u"Ｂ乙4"));
    EXPECT_EQ(s.ResultTable[0][3][1], 0);
    EXPECT_EQ(s.PairState[0][3][1], PairSecondClass);
    EXPECT_EQ(s.PairState[1][6][2], PairSecondClass);

    EXPECT_EQ(fileSize(), 2 * MeetingRecord::kSize);
    const MeetingRecord first = record(1);
    EXPECT_EQ(first.count(), 2);
    EXPECT_EQ(storedResult(first, 0, 3, 1), 6004);
    EXPECT_EQ(storedResult(record(2), 0, 3, 1), 0);
    EXPECT_NE(logText().find(u"完了報告 2回 "), std::u16string::npos);
}

TEST_F(CompletionTest, NoToTheQuestionChangesNothing) {
    EXPECT_FALSE(complete(false));
    EXPECT_EQ(state().MeetingCount, 1);
    EXPECT_EQ(state().ResultTable[0][3][1], 6004);
    EXPECT_EQ(fileSize(), MeetingRecord::kSize);
}

TEST_F(CompletionTest, UndoBringsBackTheCompletedMeeting) {
    EXPECT_FALSE(undo(true));
    EXPECT_EQ(platform_.messages(),
              std::vector<std::u16string>{u"完了データが作成されていません。"});
    EXPECT_TRUE(platform_.questions().empty());
    platform_.clear();

    ASSERT_TRUE(complete(true));
    state().ResultTable[0][6][5] = 3006;
    EXPECT_FALSE(undo(false));
    EXPECT_EQ(state().MeetingCount, 2);

    platform_.clear();
    ASSERT_TRUE(undo(true));
    EXPECT_EQ(platform_.questions().size(), 1U);
    const MeetingState& s = state();
    EXPECT_EQ(s.MeetingCount, 1);
    EXPECT_EQ(s.ResultTable[0][3][1], 6004);
    EXPECT_EQ(s.ResultTable[0][6][5], 0);
    EXPECT_EQ(s.PairState[0][3][1], PairFinished);
    // Record 1 still counts two meetings until the next completion.
    EXPECT_EQ(record(1).count(), 2);
    EXPECT_NE(logText().find(u"完了戻し 1回 "), std::u16string::npos);
}

TEST_F(CompletionTest, AFailedSaveLeavesTheMeetingInMemory) {
    const std::u16string path = state().CurrentPath;
    state().CurrentPath = fromUtf8((dir_ / "missing" / "club.rly").string());
    EXPECT_FALSE(complete(true));
    EXPECT_EQ(state().MeetingCount, 1);
    EXPECT_EQ(state().ResultTable[0][3][1], 6004);
    EXPECT_EQ(state().PairState[0][3][1], PairFinished);
    EXPECT_EQ(state().CurrentTeam, 1);
    EXPECT_EQ(platform_.messages().size(), 1U);
    EXPECT_EQ(logText().find(u"完了報告"), std::u16string::npos);
    state().CurrentPath = path;
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
    EXPECT_EQ(state().MeetingCount, 1);
    EXPECT_EQ(state().ResultTable[0][3][1], 6004);
    EXPECT_EQ(state().PairState[0][3][1], PairFinished);
    EXPECT_EQ(fileSize(), MeetingRecord::kSize);
    EXPECT_EQ(record(1).count(), 1);
    EXPECT_EQ(logText().find(u"完了報告"), std::u16string::npos);
}

TEST_F(CompletionTest, AFailedReadOnUndoKeepsTheCurrentMeeting) {
    ASSERT_TRUE(complete(true));
    state().ResultTable[0][6][5] = 3006;
    state().CurrentPath = fromUtf8((dir_ / "missing" / "club.rly").string());
    EXPECT_FALSE(undo(true));
    EXPECT_EQ(state().MeetingCount, 2);
    EXPECT_EQ(state().ResultTable[0][6][5], 3006);
    EXPECT_EQ(logText().find(u"完了戻し"), std::u16string::npos);
}
