#pragma once

#include "ui/dialogs/ReleaseConfirmation.h"

// The cancel confirmation: YES returns the running match's pairs to the
// pairing pool without a result.
class Form5 : public ReleaseConfirmation {
    Q_OBJECT
public:
    Form5(Program& program, QWidget* mainWindow);
};
