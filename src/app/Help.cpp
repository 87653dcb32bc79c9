#include "app/Help.h"

#include "platform/Platform.h"

namespace {

std::u16string withSignBlank(int value) {
    std::u16string text = value < 0 ? u"-" : u" ";
    const std::string digits = std::to_string(value < 0 ? -static_cast<long long>(value) : value);
    text.append(digits.begin(), digits.end());
    return text;
}

constexpr std::u16string_view kExplanation =
    u"ラリーノート　Version 2.1.0\r\n"
    u"----------------------------------------\r\n"
    u"★ 説明 ★\r\n"
    u"\r\n"
    u"■ 詳細ヘルプ\r\n"
    u"　F1 キーを押すと、その画面の詳細ヘルプが開きます。\r\n"
    u"\r\n"
    u"■ 試合開始\r\n"
    u"　対戦表の組合せのセルをダブルクリックして、試合を組みます。\r\n"
    u"　●、★、□、△の優先順で選択します。\r\n"
    u"　★、△は、試合中のメンバーがいます。\r\n"
    u"\r\n"
    u"■ チーム切替\r\n"
    u"　「チーム切替」ボタンか上のタブで、表示するチームを切り替えます。\r\n"
    u"\r\n"
    u"■ 試合中表示\r\n"
    u"　「試合中表示」ボタンで試合中の一覧を開きます。\r\n"
    u"　試合が終わったら、一覧から試合を選んで結果を入力します。\r\n"
    u"\r\n"
    u"■ 完了報告\r\n"
    u"　その日の試合が全て終わったら、「完了報告」の「終了」を選びます。\r\n"
    u"　成績が記録され、次回の試合が始められます。\r\n"
    u"\r\n"
    u"■ 終了\r\n"
    u"　完了報告の後、「ﾌｧｲﾙ」の「終了」でプログラムを終わります。\r\n"
    u"\r\n"
    u"■ ポイントの修正\r\n"
    u"　修正位置を右クリック後、左ﾀﾞﾌﾞﾙｸﾘｯｸします。\r\n"
    u"　ダブルスの時は、対戦相手のチームのセルも修正して下さい。\r\n"
    u"\r\n"
    u"この説明を閉じるには、もう一度「説明(S)」をクリックします。\r\n";

} // namespace

std::filesystem::path helpPagePath(const std::filesystem::path& workDir, std::string_view page) {
    return workDir / "html" / page;
}

void showHelp(Platform& platform, const std::filesystem::path& workDir, std::string_view page) {
    platform.openHelpPage(helpPagePath(workDir, page).string());
}

std::u16string versionLabel(int major, int minor, int revision) {
    return u"Version " + withSignBlank(major) + u"." + withSignBlank(minor) + u"." +
           withSignBlank(revision);
}

std::u16string programVersionLabel() {
    return versionLabel(RALLYNOTE_VERSION_MAJOR, RALLYNOTE_VERSION_MINOR, RALLYNOTE_VERSION_PATCH);
}

std::u16string_view explanationText() {
    return kExplanation;
}
