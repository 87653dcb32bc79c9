#include "register/PairRuleLabel.h"

std::u16string_view pairRuleKindLabel(PairRuleKind kind) {
    switch (kind) {
    case PairRuleKind::AlwaysPartner:
        return u"固定ペア";
    case PairRuleKind::NotOpponents:
        return u"対戦させない";
    case PairRuleKind::NeverPartner:
        break;
    }
    return u"ペアにしない";
}
