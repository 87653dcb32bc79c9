#include "MeetingBuilder.h"

#include "TempDir.h"
#include "matching/MainView.h"
#include "matching/PairingTable.h"
#include "storage/MeetingPacking.h"
#include "storage/MeetingRecord.h"
#include "text/NumberPattern.h"

#include <array>

MeetingBuilder::MeetingBuilder(int sizeA, int sizeB, int method)
    : state_(std::make_unique<MeetingState>()) {
    MeetingState& s = *state_;
    resetMeeting(s, ResetTarget::StartUp);
    resetMeeting(s, ResetTarget::NewMeeting);
    s.teamSize[0] = static_cast<std::int16_t>(sizeA);
    s.teamSize[1] = static_cast<std::int16_t>(sizeB);
    s.matchMethod = static_cast<MatchMethod>(method);
    s.meetingCount = 1;
    s.currentPath = u"club.rly";
    s.openName = s.currentPath;
    for (int slot = 1; slot <= kMaxTeamSize; ++slot) {
        s.memberAbbrev[0][slot] = u"A" + formatNumber(slot, u"#0");
        s.memberAbbrev[1][slot] = u"B" + formatNumber(slot, u"#0");
    }
}

MeetingBuilder& MeetingBuilder::name(int team, int slot, std::u16string_view abbrev) {
    state_->memberAbbrev[team][slot] = abbrev;
    return *this;
}

MeetingBuilder& MeetingBuilder::clubNames() {
    static const std::array<std::u16string_view, 20> teamA = {
        u"佐藤", u"鈴木　一郎",       u"たかはし",   u"田中はな", u"ｲﾄｳ ｹﾝｼﾞ",
        u"渡辺", u"Yamamoto",         u"中村まさこ", u"小林",     u"加藤ゆうこ",
        u"吉田", u"山田太郎",         u"佐々木花子", u"山口",     u"まつもと",
        u"井上", u"やまのうち　まき", u"林",         u"斎藤",     u"Shimizu"};
    static const std::array<std::u16string_view, 20> teamB = {
        u"高木",           u"ﾀｶﾊｼ ﾋﾛｼ",  u"森",   u"池田さとみ", u"橋本",
        u"Ishikawa",       u"山下",      u"石井", u"前田けんじ", u"藤田",
        u"おがわ　あいこ", u"後藤",      u"岡田", u"長谷川",     u"村上",
        u"近藤",           u"ｺﾝﾄﾞｳ ﾏｻﾐ", u"坂本", u"遠藤",       u"青木　のぶゆき"};
    for (std::size_t i = 0; i < teamA.size(); ++i) {
        name(0, static_cast<int>(i) + 1, teamA[i]);
        name(1, static_cast<int>(i) + 1, teamB[i]);
    }
    return *this;
}

MeetingBuilder& MeetingBuilder::woman(int team, int slot) {
    state_->memberStatus[team][slot] =
        static_cast<std::int16_t>(state_->memberStatus[team][slot] + 1);
    return *this;
}

MeetingBuilder& MeetingBuilder::resting(int team, int slot) {
    state_->memberStatus[team][slot] =
        static_cast<std::int16_t>(state_->memberStatus[team][slot] + 10);
    return *this;
}

namespace {

void doublesSide(MeetingState& s, int team, int m1, int m2, int code) {
    s.resultTable[team][m1][m2] = code;
    s.resultTable[team][m2][m1] = code;
    s.setPair(team, m1, m2, PairFinished);
}

} // namespace

MeetingBuilder& MeetingBuilder::twoTeam(int a1, int a2, int b1, int b2, int gamesA, int gamesB) {
    doublesSide(*state_, 0, a1, a2, gamesA * 1000 + gamesB);
    doublesSide(*state_, 1, b1, b2, gamesB * 1000 + gamesA);
    return *this;
}

MeetingBuilder& MeetingBuilder::oneTeam(int team, int p1, int p2, int q1, int q2, int games0,
                                        int games1) {
    doublesSide(*state_, team, p1, p2, games0 * 1000 + games1);
    doublesSide(*state_, team, q1, q2, games1 * 1000 + games0);
    return *this;
}

MeetingBuilder& MeetingBuilder::singles(int c, int r, int gamesC, int gamesR) {
    state_->resultTable[0][c][r] = gamesC * 1000 + gamesR;
    state_->resultTable[0][r][c] = gamesR * 1000 + gamesC;
    state_->setPair(0, c, r, PairFinished);
    return *this;
}

MeetingBuilder& MeetingBuilder::forfeit(int team, int a, int b) {
    state_->setPair(team, a, b, PairUnavailable);
    return *this;
}

MeetingBuilder& MeetingBuilder::runningTwoTeam(int a1, int a2, int b1, int b2) {
    MeetingState& s = *state_;
    const int k = ++s.runningCount;
    s.slotTeam[0][k] = 0;
    s.slotMember1[0][k] = static_cast<std::int16_t>(a2);
    s.slotMember2[0][k] = static_cast<std::int16_t>(a1);
    s.slotTeam[1][k] = 1;
    s.slotMember1[1][k] = static_cast<std::int16_t>(b2);
    s.slotMember2[1][k] = static_cast<std::int16_t>(b1);
    s.setPair(0, a1, a2, PairRunning);
    s.setPair(1, b1, b2, PairRunning);
    return *this;
}

void computeStandings(MeetingState& meeting) {
    MainView view;
    buildPairingTable(meeting, view, 1);
}

void writeMeetingFile(const std::filesystem::path& file,
                      const std::vector<const MeetingState*>& meetings) {
    std::vector<std::uint8_t> bytes;
    for (const MeetingState* meeting : meetings) {
        MeetingRecord record;
        packMeeting(*meeting, record);
        if (bytes.empty()) {
            record.setCount(static_cast<std::int16_t>(meetings.size()));
        }
        bytes.insert(bytes.end(), record.bytes.begin(), record.bytes.end());
    }
    writeBytes(file, bytes);
}
