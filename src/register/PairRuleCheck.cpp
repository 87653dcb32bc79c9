#include "register/PairRuleCheck.h"

#include <algorithm>

namespace {

// The side the member plays on, or -1.
int sideOf(const std::array<std::vector<MemberRef>, 2>& sides, const MemberRef& member) {
    for (int side = 0; side < 2; ++side) {
        const auto& members = sides[static_cast<std::size_t>(side)];
        if (std::find(members.begin(), members.end(), member) != members.end()) {
            return side;
        }
    }
    return -1;
}

} // namespace

std::vector<std::u16string> pairRuleWarnings(const std::vector<PairRule>& rules,
                                             const std::array<std::vector<MemberRef>, 2>& sides) {
    std::vector<std::u16string> warnings;
    const bool doubles = sides[0].size() > 1 || sides[1].size() > 1;
    for (const PairRule& rule : rules) {
        const int a = sideOf(sides, rule.first);
        const int b = sideOf(sides, rule.second);
        if (a < 0 || b < 0) {
            continue;
        }
        const std::u16string names = rule.first.abbrev + u"と" + rule.second.abbrev;
        if (rule.kind == PairRuleKind::NeverPartner && a == b) {
            warnings.push_back(names + u"はペアにしない組です");
        } else if (rule.kind == PairRuleKind::NotOpponents && a != b) {
            warnings.push_back(names + u"は対戦させない組です");
        } else if (rule.kind == PairRuleKind::AlwaysPartner && a != b && doubles) {
            warnings.push_back(names + u"は固定ペアですが相手側に分かれています");
        }
    }
    return warnings;
}
