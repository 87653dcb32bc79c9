#include "ui/main/RegistrationCommands.h"

#include "ui/dialogs/Form7.h"
#include "ui/dialogs/Form8.h"
#include "ui/dialogs/Form9.h"

#include <QSignalBlocker>
#include <QTabBar>

RegistrationCommands::RegistrationCommands(Program& program, QWidget& window, QTabBar& tabs,
                                           std::function<void()> redraw)
    : program_(program), window_(window), tabs_(tabs), redraw_(std::move(redraw)),
      menu_(program, redraw_), roster_(program) {}

void RegistrationCommands::openMasterEditor() {
    // One editor at a time: a second opening would edit the same table.
    if (masterEditor_) {
        masterEditor_->raise();
        masterEditor_->activateWindow();
    } else {
        masterEditor_ = new Form7(program_, &window_);
        masterEditor_->setAttribute(Qt::WA_DeleteOnClose);
        masterEditor_->show();
    }
    redraw_();
}

void RegistrationCommands::openTeamInfo() {
    if (!menu_.mayRegister()) {
        return;
    }
    Form9 dialog(program_, &window_);
    dialog.exec();
    redraw_();
}

void RegistrationCommands::openRoster() {
    if (!menu_.mayRegister()) {
        return;
    }
    Form8 dialog(program_, roster_, &window_);
    dialog.exec();
    redraw_();
}

void RegistrationCommands::clearCurrentData() {
    menu_.clearCurrentData();
}

void RegistrationCommands::clearAllData() {
    menu_.clearAllData();
}

void RegistrationCommands::toggleIntraTeam() {
    if (!menu_.toggleIntraTeam(tabs_.currentIndex() + 1)) {
        return;
    }
    // The rules have redrawn the shown team; the strip only follows.
    const QSignalBlocker blocker(&tabs_);
    tabs_.setCurrentIndex(menu_.tabToSelect() - 1);
    tabs_.setEnabled(menu_.tabStripEnabled());
}
