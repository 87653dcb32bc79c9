#include "register/RegisterTypes.h"

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

PresenceState Presence::stateAt(long long) const {
    return PresenceState::NotArrived;
}

long long Presence::secondsPresent(long long) const {
    return 0;
}
