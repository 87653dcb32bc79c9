#pragma once

#include <functional>
#include <string_view>

class Program;

// The main window's registration commands: the guards of the menu "登録(&R)",
// its two data clears, and intra-team mode of the menu "試合方法変更(&C)".
// Opening the dialogs is the window's part; it asks mayRegister() first.
class RegistrationMenu {
public:
    static constexpr std::u16string_view kRunningMessage =
        u"試合中の組合せがあります。試合解除後に行って下さい。";
    static constexpr std::u16string_view kIntraTeamMessage =
        u"２チーム制中に１チーム制の宣言がされています。 解除後に行って下さい。";
    static constexpr std::u16string_view kViewingMessage =
        u"前回情報を表示中です。表示戻し後に行って下さい。";
    static constexpr std::u16string_view kNoFileMessage =
        u"ﾌｧｲﾙ名称が指定されていません。 「新規」、または「開く」の後に行って下さい。";
    static constexpr std::u16string_view kClearCurrentQuestion =
        u"名称情報のみを残し現在表示の試合データを全てクリアーします。よろしいですか ?";
    static constexpr std::u16string_view kClearAllQuestion =
        u"名称情報（最新）のみを残し開かれたファイルの全てのデータをクリアーします。よろしいですか "
        u"?";
    static constexpr std::u16string_view kClearCurrentLog = u"ﾃﾞｰﾀｸﾘｱｰ";
    static constexpr std::u16string_view kClearAllLog = u"全ﾃﾞｰﾀｸﾘｱｰ";

    // redraw rebuilds the main window's pairing table (it runs after a
    // clear has been saved and before it is logged).
    RegistrationMenu(Program& program, std::function<void()> redraw);

    // The checks before "チーム情報登録(&T)", "参加者登録(&M)" and the clears:
    // the first that holds shows its message and the command stops.
    bool mayRegister();

    // "現データ．クリア(&C)" and "全データ・クリアー(&A)". True when the
    // meeting was cleared.
    bool clearCurrentData();
    bool clearAllData();

    // "チーム内対抗設定/解除(&T)". selectedTeam is the team of the tab strip's
    // selected tab (0 or 1): switching the mode on locks the shown team to
    // it. True when the mode changed.
    bool toggleIntraTeam(int selectedTeam);

    // The tab strip is disabled exactly while intra-team mode is on.
    bool tabStripEnabled() const;

private:
    bool mayClear();

    Program& program_;
    std::function<void()> redraw_;
};
