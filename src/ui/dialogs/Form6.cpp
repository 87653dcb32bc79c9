#include "ui/dialogs/Form6.h"

#include "results/MatchRelease.h"

Form6::Form6(Program& program, QWidget* mainWindow)
    : ReleaseConfirmation(program, mainWindow, QStringLiteral("試合放棄確認"),
                          QStringLiteral("試合放棄の扱いとなります。"), &forfeitMatch) {
    setObjectName(QStringLiteral("Form6"));
}
