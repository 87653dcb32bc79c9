#pragma once

#include "ui/dialogs/ReleaseConfirmation.h"

// The cancel confirmation: YES returns the running match's pairs to the
// pairing pool without a result.
class CancelMatchDialog : public ReleaseConfirmation {
    Q_OBJECT
public:
    CancelMatchDialog(Program& program, QWidget* mainWindow);
};
