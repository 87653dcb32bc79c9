#include "RegistrationFixture.h"

#include "app/MeetingFileCommands.h"
#include "app/RegistrationMessages.h"
#include "app/Roster.h"
#include "text/FixedText.h"

namespace {

class RosterTest : public RegistrationFixture {
protected:
    void SetUp() override {
        RegistrationFixture::SetUp();
        writeMaster(25);
        openDataFile(1);
        state().teamSize = {0, 0, 0};
        roster = std::make_unique<Roster>(*program);
        roster->open();
    }
    MeetingState& state() { return program->state; }

    // Appends master members to the roster of the shown team, in order.
    void addMembers(std::initializer_list<int> members) {
        for (int member : members) {
            ASSERT_TRUE(roster->clickMaster(member - 1).has_value());
            roster->add();
        }
    }
    std::u16string abbrev(int team, int slot) {
        return state()
            .memberAbbrev[static_cast<std::size_t>(team)][static_cast<std::size_t>(slot)]
            .str();
    }

    std::unique_ptr<Roster> roster;
};

} // namespace

TEST_F(RosterTest, ListLinesHaveTheFixedFormats) {
    EXPECT_EQ(Roster::kRosterHeader, u"NO写真-休-性-略称----");
    EXPECT_EQ(Roster::kMasterHeader, u"－ﾏｽﾀNO--氏名------------");
    ASSERT_EQ(roster->masterLines().size(), 25u);
    EXPECT_EQ(roster->masterLines()[2], u" 003  013  " + fitText(u"氏名3", 16));

    addMembers({3, 4});
    ASSERT_TRUE(roster->clickRoster(0).has_value());
    roster->clickResting(true);
    const std::vector<std::u16string> lines = roster->rosterLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], u" 01 003 休  女 " + fitText(u"略3", 8));
    EXPECT_EQ(lines[1], u" 02 004 ◎  男 " + fitText(u"略4", 8));
    EXPECT_EQ(roster->teamName(), u"チーム　Ａ");
}

TEST_F(RosterTest, AddFillsAnEmptyRosterFromPositionOneInTheOrderChosen) {
    addMembers({5, 1, 2});
    EXPECT_EQ(state().teamSize[0], 3);
    EXPECT_EQ(roster->cursor(), 3);
    EXPECT_EQ(abbrev(0, 1), fitText(u"略5", 8));
    EXPECT_EQ(abbrev(0, 3), fitText(u"略2", 8));
    EXPECT_EQ(state().memberPhotoNo[0][1], 5);
    EXPECT_EQ(state().memberStatus[0][1], 1);
    EXPECT_TRUE(roster->changed());
}

TEST_F(RosterTest, AddWithoutCursorInsertsAtTheTop) {
    addMembers({1, 2});
    roster->switchTeam();
    roster->switchTeam(); // back on team A with the cursor cleared
    addMembers({9});
    EXPECT_EQ(abbrev(0, 1), fitText(u"略9", 8));
    EXPECT_EQ(abbrev(0, 2), fitText(u"略1", 8));
    EXPECT_EQ(abbrev(0, 3), fitText(u"略2", 8));
}

TEST_F(RosterTest, AddNeedsAMasterSelection) {
    roster->add();
    roster->change();
    EXPECT_EQ(platform.beepCount(), 2);
    EXPECT_EQ(state().teamSize[0], 0);
    EXPECT_FALSE(roster->changed());
}

TEST_F(RosterTest, FullRosterRefusesAddButChangesDeletesAndRests) {
    for (int member = 1; member <= 20; ++member) {
        addMembers({member});
    }
    ASSERT_EQ(state().teamSize[0], 20);
    ASSERT_TRUE(roster->clickRoster(4).has_value());
    addMembers({21});
    EXPECT_EQ(platform.beepCount(), 1);
    EXPECT_EQ(state().teamSize[0], 20);

    roster->change();
    EXPECT_EQ(abbrev(0, 5), fitText(u"略21", 8));
    roster->clickResting(true);
    EXPECT_TRUE(state().isResting(0, 5));
    roster->remove();
    EXPECT_EQ(state().teamSize[0], 19);
    EXPECT_EQ(abbrev(0, 5), fitText(u"略6", 8));
    EXPECT_EQ(platform.beepCount(), 1);
}

TEST_F(RosterTest, ClickingARestingEntryTicksTheBoxWithoutToggling) {
    addMembers({2});
    state().memberStatus[0][1] = 10;
    const auto click = roster->clickRoster(0);
    ASSERT_TRUE(click.has_value());
    EXPECT_TRUE(click->resting);
    EXPECT_EQ(state().memberStatus[0][1], 10);
    roster->clickResting(false);
    EXPECT_EQ(state().memberStatus[0][1], 0);
    EXPECT_EQ(roster->cursor(), 1);
}

TEST_F(RosterTest, RestingDoesNotMarkTheRosterChanged) {
    addMembers({1});
    roster->update();
    ASSERT_TRUE(roster->clickRoster(0).has_value());
    roster->clickResting(true);
    EXPECT_FALSE(roster->changed());
}

TEST_F(RosterTest, ChangeClearsTheRestingMark) {
    addMembers({1, 3});
    ASSERT_TRUE(roster->clickRoster(1).has_value());
    roster->clickResting(true);
    ASSERT_EQ(state().memberStatus[0][2], 11);
    ASSERT_TRUE(roster->clickMaster(5).has_value()); // member 6, male
    roster->change();
    EXPECT_EQ(state().memberStatus[0][2], 0);
    EXPECT_EQ(abbrev(0, 2), fitText(u"略6", 8));
}

TEST_F(RosterTest, DeletingTheLastEntryLeavesTheCursorOnNoEntry) {
    addMembers({1, 2, 3});
    ASSERT_TRUE(roster->clickRoster(2).has_value());
    roster->remove();
    EXPECT_EQ(state().teamSize[0], 2);
    roster->remove();
    EXPECT_EQ(platform.beepCount(), 1);
    // 追加 then follows the last entry, so the roster keeps no gap.
    addMembers({7});
    EXPECT_EQ(state().teamSize[0], 3);
    EXPECT_EQ(abbrev(0, 3), fitText(u"略7", 8));
    EXPECT_EQ(roster->rosterLines().size(), 3u);
}

TEST_F(RosterTest, TeamSwitchOnlyInTwoTeamModeWithoutIntraTeam) {
    roster->switchTeam();
    EXPECT_EQ(state().currentTeam, 1);
    EXPECT_EQ(roster->teamName(), u"チーム  Ｂ");
    roster->switchTeam();
    EXPECT_EQ(state().currentTeam, 0);

    state().intraTeamMode = IntraTeamMode::On;
    roster->switchTeam();
    EXPECT_EQ(state().currentTeam, 0);
    state().intraTeamMode = IntraTeamMode::Off;
    for (std::int16_t method : {1, 2}) {
        state().matchMethod = static_cast<MatchMethod>(method);
        roster->switchTeam();
        EXPECT_EQ(state().currentTeam, 0);
    }
    EXPECT_EQ(platform.beepCount(), 0);
}

TEST_F(RosterTest, CancelAfterOnlyRestingRevertsWithoutAsking) {
    addMembers({1, 2});
    roster->update();
    ASSERT_TRUE(roster->clickRoster(1).has_value());
    roster->clickResting(true);
    EXPECT_TRUE(roster->leave(false));
    EXPECT_TRUE(platform.questions().empty());
    EXPECT_FALSE(state().isResting(0, 2));
}

TEST_F(RosterTest, CancelAfterChangesAsksAndReloadsOnYes) {
    addMembers({1});
    roster->update();
    addMembers({2});
    platform.setNextAnswer(false);
    EXPECT_FALSE(roster->leave(false));
    EXPECT_EQ(state().teamSize[0], 2);
    EXPECT_EQ(platform.questions().back(), kDiscardChangesQuestion);

    platform.setNextAnswer(true);
    EXPECT_TRUE(roster->leave(true));
    EXPECT_EQ(state().teamSize[0], 1);
}

TEST_F(RosterTest, CloseBoxWithoutChangesKeepsRestingMarks) {
    addMembers({1});
    roster->update();
    ASSERT_TRUE(roster->clickRoster(0).has_value());
    roster->clickResting(true);
    EXPECT_TRUE(roster->leave(true));
    EXPECT_TRUE(state().isResting(0, 1));
}

TEST_F(RosterTest, UpdateSavesBothTeamsPaddedToEightCharacters) {
    addMembers({1, 2});
    roster->switchTeam();
    addMembers({3});
    ASSERT_TRUE(roster->clickRoster(0).has_value());
    roster->clickResting(true);
    roster->update();
    EXPECT_FALSE(roster->changed());

    resetMeeting(state(), ResetTarget::NewMeeting);
    ASSERT_TRUE(readMeeting(*program, 1));
    EXPECT_EQ(state().teamSize[0], 2);
    EXPECT_EQ(state().teamSize[1], 1);
    EXPECT_EQ(abbrev(0, 2), fitText(u"略2", 8));
    EXPECT_EQ(abbrev(1, 1), fitText(u"略3", 8));
    EXPECT_EQ(state().memberStatus[1][1], 11);
    EXPECT_EQ(state().memberPhotoNo[1][1], 3);
}

TEST_F(RosterTest, OpeningShowsTeamAAndKeepsTheMasterSelection) {
    ASSERT_TRUE(roster->clickMaster(6).has_value());
    roster->switchTeam();
    roster->open();
    EXPECT_EQ(state().currentTeam, 0);
    EXPECT_EQ(roster->cursor(), 0);
    EXPECT_EQ(roster->masterSelection(), 7);
}

TEST_F(RosterTest, EmptyMasterListsNothingAndClickingBeeps) {
    std::filesystem::remove(dir / "tennis.mst");
    roster->open();
    EXPECT_TRUE(roster->masterLines().empty());
    EXPECT_FALSE(roster->clickMaster(0).has_value());
    EXPECT_EQ(platform.beepCount(), 1);
}

TEST_F(RosterTest, PicturesUseTheMaleDefaultForRosterLinesOnly) {
    touch("tenisman.bmp");
    touch("teniswmn.bmp");
    touch("tenis123.bmp");
    const auto master = roster->clickMaster(0); // member 1, female, no photo file
    ASSERT_TRUE(master.has_value());
    EXPECT_EQ(master->fileName, "teniswmn.bmp");
    roster->add();
    EXPECT_EQ(roster->clickRoster(0)->picture.fileName, "tenisman.bmp");

    // A photo number above 999 lengthens the line; characters 5 to 7 then
    // hold only its first three digits.
    state().memberPhotoNo[0][1] = 1234;
    EXPECT_EQ(roster->rosterLines()[0].size(), 22u);
    EXPECT_EQ(roster->clickRoster(0)->picture.fileName, "tenis123.bmp");
}

TEST_F(RosterTest, OpeningLeavesTheMasterEditorsTableAlone) {
    // Unsaved edits of an open master editor live in the program's table.
    program->master.memberCount = 2;
    program->master.members[1].abbrev = u"編集中";
    roster->open();
    EXPECT_EQ(roster->masterLines().size(), 25u);
    EXPECT_EQ(program->master.memberCount, 2);
    EXPECT_EQ(program->master.members[1].abbrev.str(), fitText(u"編集中", 8));
}
