#include "ui/phones/PhoneAccessDialog.h"

#include "app/Help.h"
#include "app/Program.h"
#include "phones/PhoneSettings.h"
#include "platform/qt/HelpShortcut.h"
#include "ui/phones/PhoneAccess.h"
#include "ui/phones/PhoneAddressView.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

PhoneAccessDialog::PhoneAccessDialog(Program& program, PhoneAccess& access, QWidget* parent)
    : QDialog(parent), program_(program), access_(access) {
    setObjectName(QStringLiteral("frmPhone"));
    setWindowTitle(QStringLiteral("スマホ表示"));
    installHelpShortcut(*this, program_, HelpPage::kPhones);
    onBox_ = new QCheckBox(QStringLiteral("スマホ表示を使う"), this);
    onBox_->setObjectName(QStringLiteral("chkPhone"));
    portBox_ = new QSpinBox(this);
    portBox_->setObjectName(QStringLiteral("txtPort"));
    portBox_->setRange(kLowestPhonePort, kHighestPhonePort);
    portBox_->setValue(access_.port());
    auto* hint =
        new QLabel(QStringLiteral("同じWi-Fiにつないだスマホのカメラでコードを読み取ると、"
                                  "試合中のコート・次の試合・待ち・今日の成績が見られます。"
                                  "アドレスは試合会ごとに変わります。"),
                   this);
    hint->setWordWrap(true);
    addressView_ = new PhoneAddressView(access_, 6, this);

    auto* form = new QFormLayout;
    form->addRow(onBox_);
    form->addRow(QStringLiteral("ポート番号"), portBox_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(hint);
    layout->addWidget(addressView_, 1);

    connect(onBox_, &QCheckBox::toggled, this, &PhoneAccessDialog::switchTo);
    connect(portBox_, &QSpinBox::editingFinished, this,
            [this] { access_.setPort(portBox_->value()); });
    connect(&access_, &PhoneAccess::changed, this, &PhoneAccessDialog::refresh);
    refresh();
}

void PhoneAccessDialog::switchTo(bool on) {
    if (on == access_.isOn()) {
        return;
    }
    if (on) {
        access_.setPort(portBox_->value());
        access_.switchOn();
    } else {
        access_.switchOff();
    }
    refresh();
}

void PhoneAccessDialog::refresh() {
    const QSignalBlocker blocker(onBox_);
    onBox_->setChecked(access_.isOn());
    portBox_->setValue(access_.port());
    adjustSize();
}
