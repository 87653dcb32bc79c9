#pragma once

#include <string>
#include <string_view>

// What the program says when reading or writing one of its files failed or
// was refused. Storage returns a FileFault; the commands in
// app/MeetingFileCommands, app/LogCommands and app/MasterFileCommands show
// these texts.

// The title of the member editor's and the meeting reader's error boxes.
inline constexpr std::u16string_view kEditorTitle = u"ﾃｷｽﾄ ｴﾃﾞｨﾀ";

// The meeting data file.
inline constexpr std::u16string_view kMeetingWriteError =
    u"ﾌｧｲﾙを書き込むときにｴﾗｰが発生しました。";
inline constexpr std::u16string_view kMeetingOpenError =
    u"ﾌｧｲﾙを開くときにｴﾗｰが発生しました。もう一度実行してください。";
inline constexpr std::u16string_view kMeetingCloseError =
    u"ﾌｧｲﾙを閉じるときにｴﾗｰが発生しました。もう一度実行してください。";
// When a file that is not a meeting data file is opened.
inline constexpr std::u16string_view kNotAMeetingFile = u"ﾃﾞｰﾀﾌｧｲﾙではありません。";
// Asked before a save replaces an existing data file (Save As, Close).
inline constexpr std::u16string_view kOverwriteQuestion = u"既存のﾌｧｲﾙに上書きしますか ?";
// When a file whose tail was lost opens at its last whole meeting.
std::u16string cutShortWarning(long long meetings);

// Another copy of the program holds a data file, or a file changed under it.
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

// The member master.
inline constexpr std::u16string_view kNoMasterFile = u"ﾏｽﾀｰﾌｧｲﾙがありません。";
inline constexpr std::u16string_view kMasterReadError =
    u"読み込み時にｴﾗｰが発生しました。もう一度実行してください。";
inline constexpr std::u16string_view kMasterWriteError =
    u"ﾏｽﾀｰﾌｧｲﾙを開くまたは、書き込み時にｴﾗｰが発生しました。もう一度実行してください。";
// When the member master changed since this copy read it.
inline constexpr std::u16string_view kMasterChangedUnderneath =
    u"ﾏｽﾀｰﾌｧｲﾙが他で書き換えられているため、保存しませんでした。開き直してから変更してください。";

// The activity log.
inline constexpr std::u16string_view kLogWriteError =
    u"ＬＯＧﾌｧｲﾙを書き込むときにｴﾗｰが発生しました。";
inline constexpr std::u16string_view kLogReadError = u"ＬＯＧﾌｧｲﾙを読み込み時にｴﾗｰが発生しました。";
inline constexpr std::u16string_view kLogOverflowWarning =
    u"ＬＯＧﾌｧｲﾙをがオーバーします。ＬＯＧファイルをクリアーして下さい。";
