#include "app/CheckIn.h"

#include "app/PresenceRoster.h"
#include "app/Program.h"
#include "app/RegisterLink.h"
#include "app/RegisterMessages.h"
#include "platform/Clock.h"
#include "platform/Platform.h"
#include "suggestions/MatchTimes.h"
#include "suggestions/MeetingReading.h"
#include "text/NumberPattern.h"

#include <algorithm>

namespace {

std::u16string_view stateLabel(PresenceState state) {
    switch (state) {
    case PresenceState::Present:
        return u"在席";
    case PresenceState::OnBreak:
        return u"休憩中";
    case PresenceState::Gone:
        return u"帰宅";
    case PresenceState::NotArrived:
        break;
    }
    return u"未着";
}

std::u16string clockText(long long seconds) {
    const long long minutes = (seconds % 86400 + 86400) % 86400 / 60;
    return formatNumber(minutes / 60, u"0") + u":" + formatNumber(minutes % 60, u"00");
}

// 「18:32到着 休憩19:40–20:05 21:00帰宅予定」
std::u16string timesText(const Presence& p) {
    std::u16string text;
    const auto add = [&text](const std::u16string& part) {
        text += (text.empty() ? u"" : u" ") + part;
    };
    if (p.arrived) {
        add(clockText(*p.arrived) + u"到着");
    }
    for (const Break& pause : p.breaks) {
        add(u"休憩" + clockText(pause.from) + u"–" + (pause.to ? clockText(*pause.to) : u""));
    }
    if (p.left) {
        add(clockText(*p.left) + u"帰宅");
    } else if (p.leavesAt) {
        add(clockText(*p.leavesAt) + u"帰宅予定");
    }
    return text;
}

} // namespace

CheckIn::CheckIn(Program& program) : program_(program) {}

bool CheckIn::open() {
    rows_.clear();
    if (!program_.clubRegister.isOpen()) {
        program_.platform.showMessage(kRegisterClosedMessage, kAppTitle);
        return false;
    }
    if (!currentMeeting(program_.state)) {
        program_.platform.showMessage(kCheckInNoMeetingMessage, kAppTitle);
        return false;
    }
    reload();
    return true;
}

void CheckIn::reload() {
    const std::optional<MeetingRef> meeting = currentMeeting(program_.state);
    rows_.clear();
    if (!meeting) {
        return;
    }
    const std::vector<Presence> all = program_.clubRegister.presence(*meeting);
    const FeeTable fees = program_.clubRegister.fees();
    const long long now = secondsOf(program_.clock.now());
    const MeetingState& state = program_.state;
    for (int team = 0; team < 2; ++team) {
        for (int slot = 1; slot <= memberCount(state, team); ++slot) {
            CheckInRow row;
            row.team = team;
            row.slot = slot;
            row.member = memberRefOf(program_, team, slot);
            row.name = memberName(state, team, slot);
            row.picture = lookupPicture(
                program_.workDir,
                state.memberPhotoNo[static_cast<std::size_t>(team)][static_cast<std::size_t>(slot)],
                state.isFemale(team, slot) ? 1 : 0);
            const auto found = std::find_if(
                all.begin(), all.end(), [&](const Presence& p) { return p.member == row.member; });
            if (found != all.end()) {
                row.state = found->stateAt(now);
                row.timesText = timesText(*found);
                row.leavesAt = found->leavesAt;
                row.type = found->type;
                row.feeDue = found->feeDue;
                row.paid = found->paid;
            } else {
                const std::optional<MemberProfile> profile =
                    program_.clubRegister.profile(row.member);
                row.type = profile ? profile->type : MemberType::Member;
                row.feeDue = fees.feeOf(row.type);
            }
            row.stateLabel = stateLabel(row.state);
            rows_.push_back(std::move(row));
        }
    }
}

MeetingFees CheckIn::fees() const {
    MeetingFees fees;
    for (const CheckInRow& row : rows_) {
        if (row.state == PresenceState::NotArrived) {
            continue;
        }
        ++fees.arrived;
        fees.due += row.feeDue;
        fees.collected += row.paid ? row.feeDue : 0;
    }
    return fees;
}

const CheckInRow* CheckIn::rowAt(int row) const {
    if (row < 0 || row >= static_cast<int>(rows_.size())) {
        return nullptr;
    }
    return &rows_[static_cast<std::size_t>(row)];
}

template <class Action> void CheckIn::act(int row, Action action) {
    const CheckInRow* entry = rowAt(row);
    const std::optional<MeetingRef> meeting = currentMeeting(program_.state);
    if (entry == nullptr || !meeting) {
        program_.platform.beep();
        return;
    }
    const RegisterError error = action(*meeting, entry->member, secondsOf(program_.clock.now()));
    reportRegisterError(program_, error);
    applyPresence(program_);
    reload();
}

void CheckIn::arrive(int row) {
    act(row, [this](const MeetingRef& m, const MemberRef& who, long long now) {
        return program_.clubRegister.arrive(m, who, now);
    });
}

void CheckIn::startBreak(int row) {
    act(row, [this](const MeetingRef& m, const MemberRef& who, long long now) {
        return program_.clubRegister.startBreak(m, who, now);
    });
}

void CheckIn::endBreak(int row) {
    act(row, [this](const MeetingRef& m, const MemberRef& who, long long now) {
        return program_.clubRegister.endBreak(m, who, now);
    });
}

void CheckIn::leave(int row) {
    act(row, [this](const MeetingRef& m, const MemberRef& who, long long now) {
        return program_.clubRegister.leave(m, who, now);
    });
}

void CheckIn::setLeavesAt(int row, std::optional<int> minuteOfDay) {
    act(row, [this, minuteOfDay](const MeetingRef& m, const MemberRef& who, long long now) {
        std::optional<long long> at;
        if (minuteOfDay) {
            at = now - (now % 86400 + 86400) % 86400 + std::clamp(*minuteOfDay, 0, 1439) * 60LL;
        }
        return program_.clubRegister.setLeavesAt(m, who, at);
    });
}

void CheckIn::setFeeDue(int row, int yen) {
    act(row, [this, yen](const MeetingRef& m, const MemberRef& who, long long) {
        return program_.clubRegister.setFeeDue(m, who, yen);
    });
}

void CheckIn::setPaid(int row, bool paid) {
    act(row, [this, paid](const MeetingRef& m, const MemberRef& who, long long) {
        return program_.clubRegister.setPaid(m, who, paid);
    });
}

void CheckIn::setType(int row, MemberType type) {
    act(row, [this, type](const MeetingRef& m, const MemberRef& who, long long) {
        return program_.clubRegister.setMemberType(who, type, m);
    });
}

FeeTable CheckIn::feeTable() const {
    return program_.clubRegister.fees();
}

void CheckIn::setFeeTable(const FeeTable& fees) {
    reportRegisterError(program_, program_.clubRegister.setFees(fees));
    reload();
}
