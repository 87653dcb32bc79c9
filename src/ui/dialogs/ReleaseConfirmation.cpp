#include "ui/dialogs/ReleaseConfirmation.h"

#include "platform/qt/QtText.h"
#include "ui/dialogs/DialogPlacement.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

ReleaseConfirmation::ReleaseConfirmation(Program& program, QWidget* mainWindow,
                                         const QString& caption, const QString& text,
                                         std::function<void(Program&)> release)
    : QDialog(mainWindow), program_(program), release_(std::move(release)) {
    setWindowTitle(caption);
    setModal(true);
    auto* label = new QLabel(text, this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setAlignment(Qt::AlignCenter);
    auto* yes = new QPushButton(QStringLiteral("ＹＥＳ"), this);
    yes->setObjectName(QStringLiteral("Command1"));
    auto* no = new QPushButton(QStringLiteral("ＮＯ"), this);
    no->setObjectName(QStringLiteral("Command2"));
    connect(yes, &QPushButton::clicked, this, [this] {
        release_(program_);
        accept();
    });
    connect(no, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addSpacing(12);
    layout->addWidget(label);
    layout->addSpacing(12);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(yes);
    buttons->addWidget(no);
    buttons->addStretch();
    layout->addLayout(buttons);
    setMinimumWidth(360);
    adjustSize();
    centreOverParent(*this);
}
