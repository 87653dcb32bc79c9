#include "MatchFixture.h"

#include "app/CheckIn.h"
#include "app/MasterEditor.h"
#include "app/MatchRelease.h"
#include "app/PickWarnings.h"
#include "app/RegisterLink.h"
#include "app/RegisterMessages.h"
#include "cli/Cli.h"
#include "suggestions/MatchTimes.h"

#include <sstream>

namespace {

std::tm at(int hour, int minute) {
    std::tm t{};
    t.tm_year = 126;
    t.tm_mon = 11;
    t.tm_mday = 7;
    t.tm_hour = hour;
    t.tm_min = minute;
    return t;
}

class RegisterCommandsTest : public MatchFixture {
protected:
    void SetUp() override {
        MatchFixture::SetUp();
        clock_.set(at(18, 0));
        openClubRegister(program());
        ASSERT_TRUE(program().clubRegister.isOpen());
    }

    std::vector<std::uint8_t> dataFile() {
        return readBytes(program().meetingFile.resolve(state().currentPath));
    }
};

TEST_F(RegisterCommandsTest, CheckInRestsWhoIsNotPresentAndWritesNoStoredFile) {
    const auto before = dataFile();
    CheckIn checkIn(program());
    ASSERT_TRUE(checkIn.open());
    checkIn.setFeeTable({{500, 300, 1000}});
    EXPECT_EQ(checkIn.feeTable().feeOf(MemberType::Guest), 1000);
    ASSERT_EQ(checkIn.rows().size(), 12U);
    EXPECT_EQ(checkIn.rows()[0].stateLabel, u"未着");
    EXPECT_FALSE(state().isResting(0, 2)); // nobody arrived yet: flags as ticked by hand

    checkIn.arrive(0);
    checkIn.arrive(1);
    EXPECT_FALSE(state().isResting(0, 1));
    EXPECT_TRUE(state().isResting(0, 3));
    EXPECT_TRUE(state().isResting(1, 1));
    EXPECT_EQ(state().memberStatus[1][1], 11); // still female
    EXPECT_EQ(checkIn.rows()[0].timesText, u"18:00到着");

    clock_.set(at(19, 30));
    checkIn.startBreak(0);
    EXPECT_TRUE(state().isResting(0, 1));
    EXPECT_EQ(checkIn.rows()[0].stateLabel, u"休憩中");
    clock_.set(at(19, 50));
    checkIn.endBreak(0);
    checkIn.setLeavesAt(0, 21 * 60);
    checkIn.setType(1, MemberType::Guest);
    checkIn.setPaid(1, true);
    EXPECT_FALSE(state().isResting(0, 1));
    EXPECT_EQ(checkIn.rows()[0].timesText, u"18:00到着 休憩19:30–19:50 21:00帰宅予定");
    const MeetingFees fees = checkIn.fees();
    EXPECT_EQ(fees.arrived, 2);
    EXPECT_EQ(fees.due, 1500);
    EXPECT_EQ(fees.collected, 1000);

    clock_.set(at(21, 0)); // the announced leaving time: resting at the next redraw
    checkIn.leave(1);
    EXPECT_TRUE(state().isResting(0, 1));
    EXPECT_TRUE(state().isResting(0, 2));
    EXPECT_EQ(dataFile(), before);
    EXPECT_TRUE(platform_.messages().empty());
}

TEST_F(RegisterCommandsTest, MatchTimesAndOpponentsSurviveARestart) {
    startRunning(0, 1, 2, 1, 1, 2);
    program().matchTimes.recordStart(state(), secondsOf(at(18, 0)));
    clock_.set(at(18, 25));
    state().resultTable[0][1][2] = 6004; // the result entry's cell
    ASSERT_TRUE(releaseRunningMatch(program(), PairFinished));

    // A new run with the same meeting loaded.
    const auto meeting = std::make_unique<MeetingState>(state());
    program_.reset();
    program_ = std::make_unique<Program>(platform_, clock_, settings_, dir_);
    openClubRegister(program());
    state() = *meeting;
    MatchTimes& times = program().matchTimes;
    times.follow(state());
    EXPECT_EQ(times.freeSince(state(), 0, 1), secondsOf(at(18, 25)));
    EXPECT_EQ(times.freeSince(state(), 0, 3), secondsOf(at(18, 0)));
    EXPECT_EQ(times.opposedToday(state(), 0, 1, 1, 2), 1);
    const std::vector<LoggedMatch> logged =
        program().clubRegister.matches({state().currentPath, 1});
    ASSERT_EQ(logged.size(), 1U);
    EXPECT_EQ(logged[0].outcome, MatchOutcome::Finished);
    EXPECT_EQ(logged[0].gamesFirst * 10 + logged[0].gamesSecond, 64);
}

TEST_F(RegisterCommandsTest, APickBreakingARuleIsWarnedNeverBlocked) {
    const MemberRef a1 = memberRefOf(program(), 0, 1);
    const MemberRef a2 = memberRefOf(program(), 0, 2);
    const MemberRef b1 = memberRefOf(program(), 1, 1);
    ASSERT_FALSE(program().clubRegister.applyMasterEdits(
        {{},
         {},
         std::vector<PairRule>{{a1, a2, PairRuleKind::NeverPartner},
                               {a1, b1, PairRuleKind::NotOpponents}}}));
    startRunning(0, 1, 2, 1, 1, 3);
    EXPECT_EQ(pickWarnings(program()),
              (std::vector<std::u16string>{u"Ａ甲1とＡ甲2はペアにしない組です",
                                           u"Ａ甲1とＢ乙1は対戦させない組です"}));
    startRunning(0, 1, 3, 1, 2, 3);
    EXPECT_TRUE(pickWarnings(program()).empty());
}

TEST_F(RegisterCommandsTest, MembersMovedInTheMasterEditorKeepTheirRegisterData) {
    MasterEditor editor(program());
    editor.open(12000, 6000);
    for (const char16_t* name : {u"佐藤", u"鈴木", u"田中"}) {
        editor.add();
        editor.clickRow(editor.selection() + 2);
        editor.editBox(MasterEditor::AbbrevBox, name);
    }
    ASSERT_TRUE(editor.update());
    editor.clickRow(3); // 鈴木
    editor.setLevel(4);
    editor.setMemberType(MemberType::Trial);
    editor.addPairRule(3, PairRuleKind::AlwaysPartner);
    ASSERT_EQ(editor.registerFields().rules.size(), 1U);
    EXPECT_EQ(editor.registerFields().rules[0].text, u"田中：固定ペア");
    ASSERT_TRUE(editor.update());

    editor.clickRow(2); // 佐藤 goes; 鈴木 moves to line 1 and is renamed
    editor.remove();
    editor.clickRow(2);
    editor.editBox(MasterEditor::AbbrevBox, u"鈴木花");
    ASSERT_TRUE(editor.update());

    const std::optional<MemberProfile> moved = program().clubRegister.profile({1, u"鈴木花"});
    ASSERT_TRUE(moved);
    EXPECT_EQ(moved->level, 4);
    EXPECT_EQ(moved->type, MemberType::Trial);
    const std::vector<PairRule> rules = program().clubRegister.pairRules();
    ASSERT_EQ(rules.size(), 1U);
    EXPECT_EQ(rules[0].second, (MemberRef{2, u"田中"}));
    MasterEditor reopened(program());
    reopened.open(12000, 6000);
    reopened.clickRow(2);
    EXPECT_EQ(reopened.registerFields().level, 4);
}

TEST_F(RegisterCommandsTest, ASecondCopyIsToldOnceAndGoesOnWithoutTheRegister) {
    Program second(platform_, clock_, settings_, dir_);
    openClubRegister(second);
    EXPECT_FALSE(second.clubRegister.isOpen());
    EXPECT_EQ(platform_.messages(),
              (std::vector<std::u16string>{std::u16string(kRegisterLockedMessage)}));
    CheckIn checkIn(second);
    EXPECT_FALSE(checkIn.open());
}

TEST_F(RegisterCommandsTest, TheCommandLineReadsTheAttendanceBesideTheHoldingWindow) {
    ASSERT_FALSE(program().clubRegister.setFees({{500, 300, 1000}}));
    CheckIn checkIn(program());
    ASSERT_TRUE(checkIn.open());
    checkIn.arrive(2);
    checkIn.setPaid(2, true);
    std::filesystem::current_path(dir_);
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(runCli({"attendance"}, out, err), 0) << err.str();
    EXPECT_EQ(out.str(), "NO,略称,種別,出席回数,出席率(%),会費予定,会費入金\r\n"
                         "0,Ａ甲3,会員,1,100,500,500\r\n"
                         ",合計,,1,,500,500\r\n");
    std::ostringstream other;
    EXPECT_EQ(runCli({"attendance", "elsewhere.rly", "--format", "json"}, other, err), 0);
    EXPECT_EQ(other.str(), "{\"meetingsHeld\":0,\"totalDue\":0,\"totalPaid\":0,\"members\":[]}\n");
    std::filesystem::current_path("/");
}

} // namespace
