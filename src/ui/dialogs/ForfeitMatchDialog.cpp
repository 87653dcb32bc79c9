#include "ui/dialogs/ForfeitMatchDialog.h"

#include "app/MatchRelease.h"

ForfeitMatchDialog::ForfeitMatchDialog(Program& program, QWidget* mainWindow)
    : ReleaseConfirmation(program, mainWindow, QStringLiteral("試合放棄確認"),
                          QStringLiteral("試合放棄の扱いとなります。"), &forfeitMatch) {
    setObjectName(QStringLiteral("Form6"));
}
