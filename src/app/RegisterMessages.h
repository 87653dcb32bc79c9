#pragma once

#include <string_view>

// The messages of the club register. A damaged database's new name follows
// kRegisterSetAsideMessage.
inline constexpr std::u16string_view kRegisterSetAsideMessage =
    u"会員台帳（tennis.db）が壊れていたため別名で残し、新しい台帳を作りました。"
    u"試合データとマスターはそのままです。残した台帳：";
inline constexpr std::u16string_view kRegisterLockedMessage =
    u"会員台帳は別のラリーノートが使用中です。受付・出欠・試合記録は使わずに続けます。";
inline constexpr std::u16string_view kRegisterReadOnlyMessage =
    u"作業フォルダに書き込めないため会員台帳を使えません。受付・出欠・試合記録は使わずに続けます。";
inline constexpr std::u16string_view kRegisterDiskFullMessage =
    u"ディスクがいっぱいのため会員台帳に保存できません。試合データはそのまま続けます。";
inline constexpr std::u16string_view kRegisterFailedMessage =
    u"会員台帳を使えません。受付・出欠・試合記録は使わずに続けます。";
inline constexpr std::u16string_view kBackupFailedMessage =
    u"バックアップを作れませんでした（backup フォルダ）。試合データはそのままです。";
inline constexpr std::u16string_view kRegisterClosedMessage =
    u"会員台帳が使えないため受付はできません。";
inline constexpr std::u16string_view kCheckInNoMeetingMessage =
    u"試合データを開いてから受付して下さい。";
