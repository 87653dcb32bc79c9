#pragma once

#include "register/RegisterTypes.h"

#include <array>
#include <string>
#include <vector>

// The warning lines for a match picked by hand that breaks a pair rule, one
// per broken rule, e.g. 「佐藤と鈴木はペアにしない組です」. Empty when the
// pick keeps every rule. A warning never blocks the pick. `sides` holds the
// members of each side (one in singles, two in doubles).
std::vector<std::u16string> pairRuleWarnings(const std::vector<PairRule>& rules,
                                             const std::array<std::vector<MemberRef>, 2>& sides);
