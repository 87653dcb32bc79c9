#include "RegistrationFixture.h"

#include "app/MeetingFileCommands.h"
#include "app/TeamInfo.h"
#include "text/Cp932.h"
#include "text/FixedText.h"

namespace {

class TeamInfoTest : public RegistrationFixture {
protected:
    void SetUp() override {
        RegistrationFixture::SetUp();
        openDataFile(1);
    }
    MeetingState& state() { return program->state; }
    MeetingRecord savedRecord() {
        MeetingRecord record;
        EXPECT_TRUE(program->meetingFile.readRecord(1, record));
        return record;
    }
};

} // namespace

TEST_F(TeamInfoTest, OpeningShowsTheMeetingsTextsAndMethod) {
    state().matchMethod = MatchMethod::OneTeamSingles;
    const TeamInfo info(*program);
    EXPECT_EQ(info.title(), fitText(u"第1回", 40));
    EXPECT_EQ(info.teamNameA(), u"チーム　Ａ");
    EXPECT_EQ(info.teamNameB(), u"チーム  Ｂ");
    EXPECT_EQ(info.selectedMethod(), 2);
}

TEST_F(TeamInfoTest, UpdateWithoutEditsSavesAndShowsTeamA) {
    state().currentTeam = 1;
    state().meetingTitle = u"春の大会";
    TeamInfo info(*program);
    info.update(info.title(), info.teamNameA(), info.teamNameB());
    EXPECT_EQ(state().currentTeam, 0);
    EXPECT_EQ(state().meetingTitle.str(), fitText(u"春の大会", 40));
    EXPECT_EQ(cp932::readField(savedRecord().bytes.data() + MeetingRecord::kTitleOffset, 40),
              fitText(u"春の大会", 40));
}

TEST_F(TeamInfoTest, MethodIsLockedOnceTheMeetingHasResults) {
    state().playedTotal = 1;
    TeamInfo info(*program);
    info.chooseMethod(1);
    EXPECT_EQ(info.selectedMethod(), 0);
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(platform.messages()[0], TeamInfo::kMethodLockedMessage);
    EXPECT_EQ(platform.events()[0].title, u"ラリーノート");

    // Title and names can still be changed and saved.
    info.update(u"秋", u"赤組", u"白組");
    EXPECT_EQ(state().matchMethod, MatchMethod::TwoTeamDoubles);
    EXPECT_EQ(state().teamNameA, u"赤組");
    EXPECT_EQ(savedRecord().int16At(MeetingRecord::kMatchMethodOffset), 0);
}

TEST_F(TeamInfoTest, MethodChangesWhileNoMatchWasPlayed) {
    TeamInfo info(*program);
    info.chooseMethod(2);
    EXPECT_EQ(info.selectedMethod(), 2);
    EXPECT_TRUE(platform.messages().empty());
    const auto teamB = state().memberAbbrev[1];
    info.update(info.title(), info.teamNameA(), info.teamNameB());
    EXPECT_EQ(state().matchMethod, MatchMethod::OneTeamSingles);
    EXPECT_EQ(savedRecord().int16At(MeetingRecord::kMatchMethodOffset), 2);
    EXPECT_EQ(state().memberAbbrev[1], teamB);
}

TEST_F(TeamInfoTest, LongTitleIsCutAndLongTeamNameKeptUntilReadBack) {
    TeamInfo info(*program);
    const std::u16string title(45, u'題');
    const std::u16string name = u"とても長いチームの名前をつけてみましたよ";
    info.update(title, name, u"");
    EXPECT_EQ(state().meetingTitle.str(), title.substr(0, 40));
    EXPECT_EQ(state().teamNameA, name);
    EXPECT_EQ(state().teamNameB, u"");
    ASSERT_TRUE(readMeeting(*program, 1));
    EXPECT_EQ(state().teamNameA.size(), 20u);
    EXPECT_EQ(state().teamNameA.substr(0, 10), name.substr(0, 10));
}

TEST_F(TeamInfoTest, MethodTheDialogDoesNotOfferStaysAsStored) {
    state().matchMethod = static_cast<MatchMethod>(7);
    TeamInfo info(*program);
    EXPECT_EQ(info.selectedMethod(), -1);
    info.update(info.title(), info.teamNameA(), info.teamNameB());
    EXPECT_EQ(state().matchMethod, static_cast<MatchMethod>(7));
}
