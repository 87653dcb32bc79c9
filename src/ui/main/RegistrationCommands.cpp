#include "ui/main/RegistrationCommands.h"

#include "app/AttendanceCommands.h"
#include "app/MainLayout.h"
#include "app/Program.h"
#include "ui/dialogs/MemberMasterDialog.h"
#include "ui/dialogs/RosterDialog.h"
#include "ui/dialogs/TeamInfoDialog.h"
#include "ui/register/AttendanceReportDialog.h"
#include "ui/register/CheckInDialog.h"

#include <QAction>
#include <QMainWindow>

RegistrationCommands::RegistrationCommands(Program& program, QMainWindow& window,
                                           MainLayout& layout, std::function<void()> render)
    : QObject(&window), program_(program), window_(window), layout_(layout),
      render_(std::move(render)), menu_(program, [this] { redraw(); }), roster_(program) {}

// Every registration command ends here: the pairing table is rebuilt for the
// team the rules left shown, and the tab strip follows that team.
void RegistrationCommands::redraw() {
    layout_.selectTeam(program_, program_.state.currentTeam == 1 ? 1 : 0);
    render_();
}

void RegistrationCommands::openMasterEditor() {
    // One editor at a time: a second one would edit the same member table.
    if (masterEditor_) {
        masterEditor_->raise();
        masterEditor_->activateWindow();
    } else {
        masterEditor_ = new MemberMasterDialog(program_, &window_);
        masterEditor_->setAttribute(Qt::WA_DeleteOnClose);
        masterEditor_->show();
    }
    redraw();
}

void RegistrationCommands::openTeamInfo() {
    if (!menu_.mayRegister()) {
        return;
    }
    TeamInfoDialog dialog(program_, &window_);
    dialog.exec();
    redraw();
}

void RegistrationCommands::openRoster() {
    if (!menu_.mayRegister()) {
        return;
    }
    RosterDialog dialog(program_, roster_, &window_);
    dialog.exec();
    redraw();
}

void RegistrationCommands::clearCurrentData() {
    menu_.clearCurrentData();
}

void RegistrationCommands::clearAllData() {
    menu_.clearAllData();
}

void RegistrationCommands::toggleIntraTeam() {
    menu_.toggleIntraTeam(layout_.selectedTeam);
}

// Members arrive while matches run, so the check-in is open at any time of
// the meeting; every click redraws the pairing table behind it.
void RegistrationCommands::openCheckIn() {
    CheckInDialog dialog(
        program_, [this] { redraw(); }, &window_);
    if (dialog.opened()) {
        dialog.exec();
    }
    redraw();
}

void RegistrationCommands::openAttendance() {
    AttendanceReportDialog dialog(program_, currentAttendanceReport(program_), &window_);
    dialog.exec();
}
