#include "RegistrationFixture.h"

#include "app/LogCommands.h"
#include "app/MeetingFileCommands.h"
#include "app/RegistrationMenu.h"
#include "text/Cp932.h"
#include "text/FixedText.h"

namespace {

class RegistrationMenuTest : public RegistrationFixture {
protected:
    void SetUp() override {
        RegistrationFixture::SetUp();
        menu = std::make_unique<RegistrationMenu>(*program, [this] { ++redraws; });
    }
    MeetingState& state() { return program->state; }

    // A meeting with a roster, a result and a pair code in every record.
    void openFiveMeetings() {
        openDataFile(1);
        for (int k = 1; k <= 5; ++k) {
            state().meetingCount = static_cast<std::int16_t>(k);
            state().meetingTitle = u"第" + number(k) + u"回";
            state().memberAbbrev[0][1] = u"選手" + number(k);
            state().memberStatus[1][2] = 11;
            state().resultTable[0][1][2] = 6004;
            state().setPair(0, 1, 2, PairFinished);
            ASSERT_TRUE(
                saveMeeting(*program, k == 1 ? SaveTarget::Meeting : SaveTarget::MeetingAndCount));
        }
    }
    MeetingRecord record(int n) {
        MeetingRecord result;
        EXPECT_TRUE(program->meetingFile.readRecord(n, result));
        return result;
    }
    int logEntries() {
        std::u16string text;
        readLogText(*program, text);
        int lines = 0;
        for (std::size_t at = text.find(u"\r\n"); at != std::u16string::npos;
             at = text.find(u"\r\n", at + 2)) {
            ++lines;
        }
        return lines;
    }
    std::u16string logText() {
        std::u16string text;
        readLogText(*program, text);
        return text;
    }

    std::unique_ptr<RegistrationMenu> menu;
    int redraws = 0;
};

} // namespace

TEST_F(RegistrationMenuTest, ChecksRunInOrderAndTheFirstThatHoldsSpeaks) {
    struct Case {
        std::int16_t running;
        std::int16_t intraTeam;
        std::int16_t viewed;
        bool fileOpen;
        std::u16string_view message;
    };
    const Case cases[] = {
        {1, 1, 1, false, RegistrationMenu::kRunningMessage},
        {0, 1, 1, false, RegistrationMenu::kIntraTeamMessage},
        {0, 0, 1, false, RegistrationMenu::kViewingMessage},
        {0, 0, 0, false, RegistrationMenu::kNoFileMessage},
        {0, 0, 0, true, u""},
    };
    for (const Case& c : cases) {
        platform.clear();
        state().runningCount = c.running;
        state().intraTeamMode = static_cast<IntraTeamMode>(c.intraTeam);
        state().viewedMeeting = c.viewed;
        state().openName = c.fileOpen ? u"club.rly" : u"";
        EXPECT_EQ(menu->mayRegister(), c.message.empty());
        if (!c.message.empty()) {
            ASSERT_EQ(platform.messages().size(), 1u);
            EXPECT_EQ(platform.messages()[0], c.message);
            EXPECT_EQ(platform.events()[0].title, u"ラリーノート");
        }
    }
}

TEST_F(RegistrationMenuTest, RunningMatchBlocksEveryCheckedItem) {
    openFiveMeetings();
    state().runningCount = 1;
    EXPECT_FALSE(menu->mayRegister());
    EXPECT_FALSE(menu->clearCurrentData());
    EXPECT_FALSE(menu->clearAllData());
    const std::vector<std::u16string> expected(3,
                                               std::u16string(RegistrationMenu::kRunningMessage));
    EXPECT_EQ(platform.messages(), expected);
    EXPECT_TRUE(platform.questions().empty());
}

TEST_F(RegistrationMenuTest, ClearsBeepInTheTotalsViewOrWithoutMeetings) {
    openDataFile(1);
    state().viewState = ViewState::Totals;
    EXPECT_FALSE(menu->clearCurrentData());
    state().viewState = ViewState::PairingTable;
    state().meetingCount = 0;
    EXPECT_FALSE(menu->clearAllData());
    EXPECT_EQ(platform.beepCount(), 2);
    EXPECT_TRUE(platform.questions().empty());
}

TEST_F(RegistrationMenuTest, ClearCurrentDataRewritesOnlyTheNewestMeeting) {
    openFiveMeetings();
    std::vector<MeetingRecord> before;
    for (int n = 1; n <= 4; ++n) {
        before.push_back(record(n));
    }
    state().intraTeamMode = IntraTeamMode::Off;
    platform.setNextAnswer(true);
    ASSERT_TRUE(menu->clearCurrentData());
    EXPECT_EQ(platform.questions()[0], RegistrationMenu::kClearCurrentQuestion);
    for (int n = 1; n <= 4; ++n) {
        EXPECT_EQ(record(n).bytes, before[static_cast<std::size_t>(n - 1)].bytes) << n;
    }
    const MeetingRecord fifth = record(5);
    EXPECT_EQ(cp932::readField(fifth.bytes.data() + MeetingRecord::kTitleOffset, 40),
              fitText(u"第5回", 40));
    EXPECT_EQ(fifth.result(0, 1, 2), 0);
    EXPECT_EQ(fifth.int16At(MeetingRecord::kPairOffset + 2 * MeetingRecord::pairIndex(0, 1, 2)), 1);
    EXPECT_EQ(
        fifth.int16At(MeetingRecord::kStatusOffset + 2 * MeetingRecord::participantIndex(1, 2)),
        11);
    EXPECT_EQ(record(1).count(), 5);
    EXPECT_EQ(redraws, 1);
    EXPECT_NE(logText().find(u"ﾃﾞｰﾀｸﾘｱｰ"), std::u16string::npos);
}

TEST_F(RegistrationMenuTest, ClearAllDataLeavesOneMeetingWithTheNewestNames) {
    openFiveMeetings();
    platform.setNextAnswer(true);
    ASSERT_TRUE(menu->clearAllData());
    EXPECT_EQ(platform.questions()[0], RegistrationMenu::kClearAllQuestion);
    EXPECT_EQ(state().meetingCount, 1);
    const MeetingRecord first = record(1);
    EXPECT_EQ(first.count(), 1);
    EXPECT_EQ(cp932::readField(first.bytes.data() + MeetingRecord::kTitleOffset, 40),
              fitText(u"第5回", 40));
    EXPECT_EQ(cp932::readField(first.bytes.data() + MeetingRecord::kAbbrevOffset +
                                   8 * MeetingRecord::participantIndex(0, 1),
                               8),
              fitText(u"選手5", 8));
    EXPECT_EQ(first.result(0, 1, 2), 0);
    EXPECT_NE(logText().find(u"全ﾃﾞｰﾀｸﾘｱｰ"), std::u16string::npos);

    // Reopening the file finds one meeting.
    resetMeeting(state(), ResetTarget::NewMeeting);
    ASSERT_TRUE(openMeetingFile(*program, state().currentPath));
    EXPECT_EQ(state().meetingCount, 1);
}

TEST_F(RegistrationMenuTest, AnsweringNoChangesNothingAndLogsNothing) {
    openFiveMeetings();
    const MeetingRecord fifth = record(5);
    const int entries = logEntries();
    platform.setNextAnswer(false);
    EXPECT_FALSE(menu->clearCurrentData());
    platform.setNextAnswer(false);
    EXPECT_FALSE(menu->clearAllData());
    EXPECT_EQ(record(5).bytes, fifth.bytes);
    EXPECT_EQ(record(1).count(), 5);
    EXPECT_EQ(state().meetingCount, 5);
    EXPECT_EQ(state().resultTable[0][1][2], 6004);
    EXPECT_EQ(logEntries(), entries);
    EXPECT_EQ(redraws, 0);
}

TEST_F(RegistrationMenuTest, IntraTeamModeKeepsTheSelectedTeamAndLocksTheTabs) {
    EXPECT_TRUE(menu->tabStripEnabled());
    ASSERT_TRUE(menu->toggleIntraTeam(1));
    EXPECT_EQ(state().intraTeamMode, IntraTeamMode::On);
    EXPECT_EQ(state().currentTeam, 1);
    EXPECT_FALSE(menu->tabStripEnabled());

    ASSERT_TRUE(menu->toggleIntraTeam(1));
    EXPECT_EQ(state().intraTeamMode, IntraTeamMode::Off);
    EXPECT_EQ(state().currentTeam, 1);
    EXPECT_TRUE(menu->tabStripEnabled());

    ASSERT_TRUE(menu->toggleIntraTeam(0));
    EXPECT_EQ(state().currentTeam, 0);
    EXPECT_EQ(redraws, 3);
}

TEST_F(RegistrationMenuTest, IntraTeamModeMessageComesBeforeTheFileMessage) {
    ASSERT_TRUE(menu->toggleIntraTeam(0));
    EXPECT_FALSE(menu->mayRegister());
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(platform.messages()[0], RegistrationMenu::kIntraTeamMessage);
}

TEST_F(RegistrationMenuTest, IntraTeamSwitchRefusals) {
    state().matchMethod = MatchMethod::OneTeamSingles;
    EXPECT_FALSE(menu->toggleIntraTeam(0));
    EXPECT_EQ(platform.beepCount(), 1);
    state().matchMethod = MatchMethod::TwoTeamDoubles;
    state().viewedMeeting = 1;
    EXPECT_FALSE(menu->toggleIntraTeam(0));
    EXPECT_EQ(platform.messages().at(0), RegistrationMenu::kViewingMessage);
    EXPECT_EQ(state().intraTeamMode, IntraTeamMode::Off);
    EXPECT_EQ(redraws, 0);
    // Running matches do not stop the switch.
    state().viewedMeeting = 0;
    state().runningCount = 2;
    EXPECT_TRUE(menu->toggleIntraTeam(0));
}
