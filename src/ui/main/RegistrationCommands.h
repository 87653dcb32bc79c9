#pragma once

#include "app/RegistrationMenu.h"
#include "app/Roster.h"

#include <QPointer>

#include <functional>

class Form7;
class Program;
class QTabBar;
class QWidget;

// The main window's handlers of the menus "登録(&R)" and "試合方法変更(&C)":
// the registration dialogs opened under the menu's checks, the data clears
// and intra-team mode with its locked tab strip.
class RegistrationCommands {
public:
    // redraw rebuilds the main window's pairing table.
    RegistrationCommands(Program& program, QWidget& window, QTabBar& tabs,
                         std::function<void()> redraw);

    void openMasterEditor(); // "マスター登録(&N)", modeless
    void openTeamInfo();     // "チーム情報登録(&T)"
    void openRoster();       // "参加者登録(&M)"
    void clearCurrentData(); // "現データ．クリア(&C)"
    void clearAllData();     // "全データ・クリアー(&A)"
    void toggleIntraTeam();  // "チーム内対抗設定/解除(&T)"

    RegistrationMenu& menu() { return menu_; }
    Roster& roster() { return roster_; }
    Form7* masterEditor() const { return masterEditor_; }

private:
    Program& program_;
    QWidget& window_;
    QTabBar& tabs_;
    std::function<void()> redraw_;
    RegistrationMenu menu_;
    Roster roster_;
    QPointer<Form7> masterEditor_;
};
