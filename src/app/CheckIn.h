#pragma once

#include "register/AttendanceReport.h"
#include "register/RegisterTypes.h"
#include "storage/PictureLookup.h"

#include <optional>
#include <string>
#include <vector>

class Program;

// One roster member in the check-in window "受付".
struct CheckInRow {
    int team = 0;
    int slot = 0;
    MemberRef member;
    std::u16string name; // short name as the roster shows it
    PictureLookup picture;
    PresenceState state = PresenceState::NotArrived;
    std::u16string stateLabel; // 未着 / 在席 / 休憩中 / 帰宅
    std::u16string timesText;  // e.g. 「18:32到着 休憩19:40–20:05 21:00帰宅予定」
    std::optional<long long> leavesAt;
    MemberType type = MemberType::Member;
    int feeDue = 0;
    bool paid = false;
};

// The rules of the check-in window: the roster of both teams with each
// member's presence at the shown meeting, and the buttons 到着, 休憩 (start
// and end), 帰宅, the leaving time, the fee due, 支払済 and the member type.
// Each button is one transaction of the register; the members not arrived,
// on a break or gone then rest in the pairing table (the roster's お休み) as
// if ticked in the participant registration, and the table is redrawn by
// the caller. Nothing of the meeting's data file is written here. The fee of
// a member not yet checked in is the fee of their type.
class CheckIn {
public:
    explicit CheckIn(Program& program);

    // Reads the roster and the register; false (with a message) when the
    // register is closed or no current meeting of a data file is shown.
    bool open();
    const std::vector<CheckInRow>& rows() const { return rows_; }
    MeetingFees fees() const;

    void arrive(int row);
    void startBreak(int row);
    void endBreak(int row);
    void leave(int row);
    // The leaving time as minutes after midnight of today (nothing clears it).
    void setLeavesAt(int row, std::optional<int> minuteOfDay);
    void setFeeDue(int row, int yen);
    void setPaid(int row, bool paid);
    void setType(int row, MemberType type);

    // The fee per member type (the check-in window's fee settings); a new
    // table applies to check-ins from now on.
    FeeTable feeTable() const;
    void setFeeTable(const FeeTable& fees);

private:
    const CheckInRow* rowAt(int row) const;
    // Runs one register action on the row's member, tells a failure, sets
    // the お休み flags and rereads the rows; a row that does not exist beeps.
    template <class Action> void act(int row, Action action);
    void reload();

    Program& program_;
    std::vector<CheckInRow> rows_;
};
