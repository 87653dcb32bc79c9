#include "register/RegisterTypes.h"

#include <algorithm>

std::u16string_view memberTypeLabel(MemberType type) {
    switch (type) {
    case MemberType::Trial:
        return u"体験";
    case MemberType::Guest:
        return u"ゲスト";
    case MemberType::Member:
        break;
    }
    return u"会員";
}

PresenceState Presence::stateAt(long long now) const {
    if (!arrived || *arrived > now) {
        return PresenceState::NotArrived;
    }
    if ((left && *left <= now) || (leavesAt && *leavesAt <= now)) {
        return PresenceState::Gone;
    }
    for (const Break& pause : breaks) {
        if (pause.from <= now && (!pause.to || *pause.to > now)) {
            return PresenceState::OnBreak;
        }
    }
    return PresenceState::Present;
}

long long Presence::secondsPresent(long long now) const {
    if (!arrived) {
        return 0;
    }
    long long until = now;
    for (const std::optional<long long>& end : {left, leavesAt}) {
        if (end) {
            until = std::min(until, *end);
        }
    }
    const long long from = *arrived;
    long long present = std::max(0LL, until - from);
    for (const Break& pause : breaks) {
        const long long start = std::max(pause.from, from);
        const long long stop = std::min(pause.to.value_or(until), until);
        present -= std::max(0LL, stop - start);
    }
    return std::max(0LL, present);
}
