#pragma once

#include <string_view>

// The question every editing dialog asks before it drops unsaved changes.
inline constexpr std::u16string_view kDiscardChangesQuestion =
    u"変更データがキャンセルされます。よろしいですか　?　";
