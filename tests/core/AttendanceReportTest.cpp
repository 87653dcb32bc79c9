#include "register/AttendanceReport.h"

#include "text/Utf8.h"

#include <gtest/gtest.h>

namespace {

MeetingPresence checkIn(int meeting, MemberRef member, MemberType type, int fee, bool paid,
                        bool arrived = true) {
    MeetingPresence entry;
    entry.meeting = meeting;
    entry.presence.member = std::move(member);
    entry.presence.type = type;
    entry.presence.feeDue = fee;
    entry.presence.paid = paid;
    if (arrived) {
        entry.presence.arrived = 1000;
    }
    return entry;
}

const MemberRef kSato{1, u"佐藤"};
const MemberRef kSuzuki{2, u"鈴木"};
const MemberRef kGuest{0, u"山本,Jr"};
const MemberRef kTanaka{3, u"田中"};

const std::vector<MeetingPresence> kSeason = {
    checkIn(1, kSato, MemberType::Member, 500, true),
    checkIn(1, kSuzuki, MemberType::Trial, 300, true),
    checkIn(2, kGuest, MemberType::Guest, 1000, false),
    checkIn(2, kSato, MemberType::Member, 500, true),
    checkIn(3, kSato, MemberType::Member, 500, false),
    checkIn(3, kTanaka, MemberType::Member, 500, false, false), // never came
};

} // namespace

TEST(AttendanceReport, CountsMeetingsRatesAndFeesOfHandBuiltCheckIns) {
    // Suzuki has joined since: the profile's type is shown.
    const AttendanceReport report =
        buildAttendanceReport(kSeason, {{kSuzuki, 0, MemberType::Member}});
    EXPECT_EQ(report.meetingsHeld, 3);
    ASSERT_EQ(report.rows.size(), 3U);
    const struct {
        MemberRef member;
        MemberType type;
        int attended, rate, due, paid;
    } expected[] = {
        {kSato, MemberType::Member, 3, 100, 1500, 1000},
        {kSuzuki, MemberType::Member, 1, 33, 300, 300},
        {kGuest, MemberType::Guest, 1, 33, 1000, 0},
    };
    for (std::size_t i = 0; i < 3; ++i) {
        const AttendanceRow& row = report.rows[i];
        EXPECT_EQ(row.member, expected[i].member) << i;
        EXPECT_EQ(row.type, expected[i].type) << i;
        EXPECT_EQ(row.attended, expected[i].attended) << i;
        EXPECT_EQ(row.rate, expected[i].rate) << i;
        EXPECT_EQ(row.feesDue, expected[i].due) << i;
        EXPECT_EQ(row.feesPaid, expected[i].paid) << i;
    }
    EXPECT_EQ(report.totalDue, 2800);
    EXPECT_EQ(report.totalPaid, 1300);

    EXPECT_EQ(fromUtf8(attendanceCsv(report)),
              u"NO,略称,種別,出席回数,出席率(%),会費予定,会費入金\r\n"
              u"1,佐藤,会員,3,100,1500,1000\r\n"
              u"2,鈴木,会員,1,33,300,300\r\n"
              u"0,\"山本,Jr\",ゲスト,1,33,1000,0\r\n"
              u",合計,,3,,2800,1300\r\n");
    const std::string json = attendanceJson(report);
    EXPECT_EQ(json.substr(0, 61),
              "{\"meetingsHeld\":3,\"totalDue\":2800,\"totalPaid\":1300,\"members\":");
    EXPECT_NE(json.find(toUtf8(u"{\"masterLine\":0,\"abbrev\":\"山本,Jr\",\"type\":\"ゲスト\","
                               u"\"attended\":1,\"rate\":33,\"feesDue\":1000,\"feesPaid\":0}]}")),
              std::string::npos);
}

TEST(AttendanceReport, AMeetingsFeesCountOnlyWhoArrived) {
    std::vector<Presence> meeting;
    for (const MeetingPresence& entry : kSeason) {
        if (entry.meeting == 3 || entry.meeting == 1) {
            meeting.push_back(entry.presence);
        }
    }
    const MeetingFees fees = meetingFees(meeting);
    EXPECT_EQ(fees.arrived, 3);
    EXPECT_EQ(fees.due, 1300);
    EXPECT_EQ(fees.collected, 800);
}
