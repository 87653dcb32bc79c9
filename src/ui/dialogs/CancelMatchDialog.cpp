#include "ui/dialogs/CancelMatchDialog.h"

#include "app/MatchRelease.h"

CancelMatchDialog::CancelMatchDialog(Program& program, QWidget* mainWindow)
    : ReleaseConfirmation(program, mainWindow, QStringLiteral("試合解除確認"),
                          QStringLiteral("試合を解除（組合せに戻す）します。"), &cancelMatch) {
    setObjectName(QStringLiteral("Form5"));
}
