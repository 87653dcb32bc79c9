#pragma once

#include <QDialog>

class PhoneAccess;
class PhoneAddressView;
class Program;
class QCheckBox;
class QSpinBox;

// The 「スマホ表示」 window: switches the players' page on and off, sets
// its port and shows its address and QR code for the players to scan.
// Modeless; F1 opens its help page.
class PhoneAccessDialog : public QDialog {
    Q_OBJECT
public:
    PhoneAccessDialog(Program& program, PhoneAccess& access, QWidget* parent = nullptr);

private:
    void switchTo(bool on);
    void refresh();

    Program& program_;
    PhoneAccess& access_;
    QCheckBox* onBox_ = nullptr;
    QSpinBox* portBox_ = nullptr;
    PhoneAddressView* addressView_ = nullptr;
};
