#include "ui/phones/PhoneAddressView.h"

#include "ui/phones/PhoneAccess.h"
#include "ui/phones/QrCodeImage.h"

#include <QLabel>
#include <QVBoxLayout>

PhoneAddressView::PhoneAddressView(PhoneAccess& access, int moduleSize, QWidget* parent)
    : QWidget(parent), access_(access), moduleSize_(moduleSize) {
    setObjectName(QStringLiteral("fraPhoneAddress"));
    code_ = new QLabel(this);
    code_->setObjectName(QStringLiteral("picPhoneQr"));
    code_->setAlignment(Qt::AlignCenter);
    address_ = new QLabel(this);
    address_->setObjectName(QStringLiteral("lblPhoneAddress"));
    address_->setAlignment(Qt::AlignCenter);
    address_->setWordWrap(true);
    address_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(code_);
    layout->addWidget(address_);
    connect(&access_, &PhoneAccess::changed, this, &PhoneAddressView::refresh);
    refresh();
}

void PhoneAddressView::setModuleSize(int moduleSize) {
    if (moduleSize != moduleSize_) {
        moduleSize_ = moduleSize;
        refresh();
    }
}

void PhoneAddressView::refresh() {
    const QString address = access_.pageAddress();
    setVisible(!address.isEmpty());
    address_->setText(address);
    code_->setPixmap(address.isEmpty() ? QPixmap()
                                       : QPixmap::fromImage(qrCodeImage(address, moduleSize_)));
}
