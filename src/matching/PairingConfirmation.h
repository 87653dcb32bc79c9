#pragma once

#include <string_view>

// The fixed texts of the pairing confirmation dialog; its sides come from
// loadMatchSides.
inline constexpr std::u16string_view kConfirmationCaption =
    u"                                                   組合せ決定";
inline constexpr std::u16string_view kConfirmationInstruction =
    u"☆ 組合せを決定します､決定をｸﾘｯｸして下さい。";
inline constexpr std::u16string_view kVersusText = u"ＶＳ";
