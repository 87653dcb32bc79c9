#pragma once

#include "ui/dialogs/ReleaseConfirmation.h"

// The forfeit confirmation: YES closes the running match's pairs for good,
// without a result.
class Form6 : public ReleaseConfirmation {
    Q_OBJECT
public:
    Form6(Program& program, QWidget* mainWindow);
};
