#pragma once

#include <QWidget>

class PhoneAccess;
class QLabel;

// The players' page address and its QR code, following 「スマホ表示」:
// hidden while it is off. The main window's 「スマホ表示」 window and the
// court board show one each.
class PhoneAddressView : public QWidget {
    Q_OBJECT
public:
    // moduleSize: pixels per QR module (the board's is large enough to be
    // scanned from across the hall).
    PhoneAddressView(PhoneAccess& access, int moduleSize, QWidget* parent = nullptr);

    void setModuleSize(int moduleSize);

private:
    void refresh();

    PhoneAccess& access_;
    int moduleSize_;
    QLabel* code_ = nullptr;
    QLabel* address_ = nullptr;
};
