#include "register/PairRuleCheck.h"

std::vector<std::u16string> pairRuleWarnings(const std::vector<PairRule>&,
                                             const std::array<std::vector<MemberRef>, 2>&) {
    return {};
}
