#pragma once

#include "app/RegistrationMenu.h"
#include "app/Roster.h"

#include <QObject>
#include <QPointer>

#include <functional>

class MemberMasterDialog;
class MainLayout;
class Program;
class QMainWindow;

// The main window's handlers of the menus "登録(&R)" (`mnreg`) and
// "試合方法変更(&C)" (`mnvs`): the registration dialogs opened under the
// menu's checks, the data clears, and intra-team mode, during which the tab
// strip is disabled; and the club register's check-in and attendance report. The main window
// connects the menu items to its slots.
class RegistrationCommands : public QObject {
    Q_OBJECT
public:
    // render draws the main window from its view and layout.
    RegistrationCommands(Program& program, QMainWindow& window, MainLayout& layout,
                         std::function<void()> render);

    void openMasterEditor(); // "マスター登録(&N)", modeless
    void openTeamInfo();     // "チーム情報登録(&T)"
    void openRoster();       // "参加者登録(&M)"
    void clearCurrentData(); // "現データ．クリア(&C)"
    void clearAllData();     // "全データ・クリアー(&A)"
    void toggleIntraTeam();  // "チーム内対抗設定/解除(&T)"
    void openCheckIn();      // "受付(&U)": arrivals, breaks, leaving and fees
    void openAttendance();   // "出席・会費表(&Y)": the season's attendance report

    bool tabStripEnabled() const { return menu_.tabStripEnabled(); }

private:
    void redraw();

    Program& program_;
    QMainWindow& window_;
    MainLayout& layout_;
    std::function<void()> render_;
    RegistrationMenu menu_;
    Roster roster_;
    QPointer<MemberMasterDialog> masterEditor_;
};
