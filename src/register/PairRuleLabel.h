#pragma once

#include "register/RegisterTypes.h"

#include <string_view>

// The name of a pair rule's kind as the windows offer it: 固定ペア,
// ペアにしない, 対戦させない.
std::u16string_view pairRuleKindLabel(PairRuleKind kind);
