#include "ui/dialogs/PairingConfirmationDialog.h"

#include "app/Help.h"
#include "app/PickWarnings.h"
#include "app/Program.h"
#include "app/SuggestedPicks.h"
#include "matching/MatchSides.h"
#include "matching/MatchStart.h"
#include "matching/PairingConfirmation.h"
#include "platform/qt/HelpShortcut.h"
#include "platform/qt/QtText.h"
#include "ui/dialogs/DialogPlacement.h"
#include "ui/dialogs/MatchSidesWidgets.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

PairingConfirmationDialog::PairingConfirmationDialog(Program& program, QWidget* mainWindow)
    : QDialog(mainWindow), program_(program) {
    setObjectName(QStringLiteral("Form4"));
    installHelpShortcut(*this, program, HelpPage::kMainWindow);
    setWindowTitle(toQString(kConfirmationCaption));
    setModal(true);

    auto* instruction = new QLabel(toQString(kConfirmationInstruction), this);
    instruction->setObjectName(QStringLiteral("Label1"));
    sides_ = std::make_unique<MatchSidesWidgets>(this);
    // A hand pick that breaks a pair rule of the register is only warned
    // about; 決定 still starts it.
    warning_ = new QLabel(this);
    warning_->setObjectName(QStringLiteral("pairRuleWarning"));
    warning_->setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold;"));
    warning_->setWordWrap(true);

    auto* decide = new QPushButton(QStringLiteral("決定"), this);
    decide->setObjectName(QStringLiteral("Command1"));
    auto* cancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    cancel->setObjectName(QStringLiteral("Command2"));
    decide->setDefault(true);
    connect(decide, &QPushButton::clicked, this, &PairingConfirmationDialog::acceptPairing);
    connect(cancel, &QPushButton::clicked, this, &PairingConfirmationDialog::rejectPairing);

    auto* layout = new QGridLayout(this);
    layout->addWidget(instruction, 0, 0, 1, 3);
    layout->addWidget(sides_->frame(0), 1, 0);
    layout->addWidget(sides_->versus(), 1, 1);
    layout->addWidget(sides_->frame(1), 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(decide);
    buttons->addWidget(cancel);
    layout->addWidget(warning_, 2, 0, 1, 3);
    layout->addLayout(buttons, 3, 0, 1, 3);

    sides_->show(loadMatchSides(program_.state, program_.workDir), program_.workDir);
    QStringList warnings;
    for (const std::u16string& line : pickWarnings(program_)) {
        warnings << toQString(line);
    }
    warning_->setText(warnings.join(QLatin1Char('\n')));
    warning_->setVisible(!warnings.isEmpty());
    adjustSize();
    centreOverParent(*this);
}

PairingConfirmationDialog::~PairingConfirmationDialog() = default;

void PairingConfirmationDialog::acceptPairing() {
    decided_ = true;
    startPickedMatch(program_);
    accept();
}

void PairingConfirmationDialog::rejectPairing() {
    cancelPairing(program_.state);
    reject();
}
