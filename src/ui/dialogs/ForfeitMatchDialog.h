#pragma once

#include "ui/dialogs/ReleaseConfirmation.h"

// The forfeit confirmation: YES closes the running match's pairs for good,
// without a result.
class ForfeitMatchDialog : public ReleaseConfirmation {
    Q_OBJECT
public:
    ForfeitMatchDialog(Program& program, QWidget* mainWindow);
};
