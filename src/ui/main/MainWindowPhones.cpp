#include "ui/main/MainWindow.h"

#include "app/CourtBoard.h"
#include "ui/board/CourtBoardWindow.h"
#include "ui/phones/PhoneAccess.h"
#include "ui/phones/PhoneAccessDialog.h"

#include <QLabel>
#include <QStatusBar>

// Listens on every IPv4 address of this computer; the page's link shows
// the network address it has when 「スマホ表示」 is switched on.
void MainWindow::buildPhoneAccess() {
    phones_ = new PhoneAccess(program_, QHostAddress(QHostAddress::AnyIPv4), QHostAddress(), this);
    phoneStatus_ = new QLabel(this);
    phoneStatus_->setObjectName(QStringLiteral("lblPhone"));
    phoneStatus_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    statusBar()->addPermanentWidget(phoneStatus_);
    phoneStatus_->hide();
    connect(phones_, &PhoneAccess::changed, this, [this] {
        const QString address = phones_->pageAddress();
        phoneStatus_->setText(QStringLiteral("スマホ表示中　") + address);
        phoneStatus_->setVisible(!address.isEmpty());
    });
}

// The 表示 menu's スマホ表示: the window that switches the page on and off
// and shows its address and QR code.
void MainWindow::openPhoneAccess() {
    if (!phoneDialog_) {
        phoneDialog_ = new PhoneAccessDialog(program_, *phones_, this);
    }
    phoneDialog_->show();
    phoneDialog_->raise();
    phoneDialog_->activateWindow();
}

// After every redraw: the content the board has just drawn, or the same
// content built afresh while the board is closed.
void MainWindow::publishToPhones() {
    if (!phones_->isOn()) {
        return;
    }
    if (board_ && board_->isVisible()) {
        phones_->publish(board_->content());
    } else {
        phones_->publish(::courtBoard(program_));
    }
}
