#pragma once

#include <string_view>

// What a copy of the program says when another copy holds a data file or a
// file changed under it.

// Once, when a file another copy holds is opened here.
inline constexpr std::u16string_view kOpenedReadOnly =
    u"このﾌｧｲﾙは他のラリーノートのウィンドウで開かれています。読み取り専用で開きます。";

// At every save refused because the open file is read-only here.
inline constexpr std::u16string_view kReadOnlyNoSave =
    u"このﾌｧｲﾙは他のラリーノートのウィンドウで開かれているため、保存できません。";

// At a save into another file (Save As, the scratch file) that another copy
// holds.
inline constexpr std::u16string_view kTargetHeldElsewhere =
    u"保存先のﾌｧｲﾙは他のラリーノートのウィンドウで開かれているため、保存できません。";

// When the file is no longer what this copy read or wrote; Yes reads it again.
inline constexpr std::u16string_view kChangedUnderneath =
    u"ﾌｧｲﾙが他で書き換えられているため、保存しませんでした。ﾌｧｲﾙを読み込み直しますか ?";

// When the member master changed since this copy read it.
inline constexpr std::u16string_view kMasterChangedUnderneath =
    u"ﾏｽﾀｰﾌｧｲﾙが他で書き換えられているため、保存しませんでした。開き直してから変更してください。";
