#include "ui/dialogs/AboutDialog.h"

#include "app/Help.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmVer"));
    setWindowTitle(QStringLiteral("バージョン情報"));
    setFixedSize(360, 170);

    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setGeometry(16, 16, 64, 64);
    image->setPixmap(QGuiApplication::windowIcon().pixmap(64, 64));

    auto* version = new QLabel(QString::fromStdU16String(programVersionLabel()), this);
    version->setObjectName(QStringLiteral("lblVer"));
    version->setGeometry(100, 24, 240, 24);

    auto* program =
        new QLabel(QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName(), this);
    program->setObjectName(QStringLiteral("lblExe"));
    program->setGeometry(100, 56, 240, 24);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setGeometry(240, 120, 100, 34);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::close);
}

// Placed a third of the way into the main window.
void AboutDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QWidget* owner = parentWidget()) {
        const QRect main = owner->window()->geometry();
        move(main.left() + main.width() / 3, main.top() + main.height() / 3);
    }
}
