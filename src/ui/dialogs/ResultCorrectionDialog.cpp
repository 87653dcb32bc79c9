#include "ui/dialogs/ResultCorrectionDialog.h"

#include "app/Help.h"
#include "app/Program.h"
#include "app/ResultCorrection.h"
#include "platform/qt/HelpShortcut.h"
#include "platform/qt/QtText.h"
#include "ui/dialogs/DialogPlacement.h"
#include "ui/dialogs/ScoreKeyFilter.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QLineEdit* makeBox(QWidget* parent, const char* name, const std::u16string& text) {
    auto* box = new QLineEdit(toQString(text), parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

} // namespace

ResultCorrectionDialog::ResultCorrectionDialog(Program& program, QWidget* mainWindow)
    : QDialog(mainWindow), program_(program) {
    setObjectName(QStringLiteral("Form10"));
    installHelpShortcut(*this, program, HelpPage::kCorrection);
    setWindowTitle(toQString(kCorrectionCaption));
    setModal(true);

    const CorrectionView view = loadCorrection(program_.state);
    auto* team = makeBox(this, "Text6", view.teamName);
    auto* member = makeBox(this, "Text7", view.member);
    auto* partner = makeBox(this, "Text8", view.otherMember);
    auto* opponent = makeBox(this, "Text9", view.otherMember);
    for (QLineEdit* box : {team, member, partner, opponent}) {
        box->setReadOnly(true);
    }
    partner->setVisible(!view.singles);
    opponent->setVisible(view.singles);

    auto* filter = new ScoreKeyFilter(this);
    gamesWon_ = makeBox(this, "Text1", view.won);
    gamesLost_ = makeBox(this, "Text2", view.lost);
    for (QLineEdit* box : {gamesWon_, gamesLost_}) {
        box->setAlignment(Qt::AlignCenter);
        filter->watch(box);
    }

    auto* note = new QLabel(
        toQString(kCorrectionNote1) + QLatin1Char('\n') + toQString(kCorrectionNote2), this);
    note->setObjectName(QStringLiteral("Label5"));
    auto* correct = new QPushButton(QStringLiteral("修正"), this);
    correct->setObjectName(QStringLiteral("Command1"));
    auto* close = new QPushButton(QStringLiteral("戻る"), this);
    close->setObjectName(QStringLiteral("Command2"));
    correct->setDefault(true);
    connect(correct, &QPushButton::clicked, this, &ResultCorrectionDialog::acceptCorrection);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QGridLayout(this);
    layout->addWidget(team, 0, 0, 1, 2);
    layout->addWidget(member, 1, 0);
    layout->addWidget(partner, 1, 1);
    layout->addWidget(opponent, 1, 1);
    auto* wonLabel = new QLabel(QStringLiteral("勝ち点"), this);
    wonLabel->setObjectName(QStringLiteral("Label3"));
    auto* lostLabel = new QLabel(QStringLiteral("負け点"), this);
    lostLabel->setObjectName(QStringLiteral("Label4"));
    layout->addWidget(wonLabel, 2, 0, Qt::AlignCenter);
    layout->addWidget(lostLabel, 2, 1, Qt::AlignCenter);
    layout->addWidget(gamesWon_, 3, 0);
    layout->addWidget(gamesLost_, 3, 1);
    layout->addWidget(note, 4, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(correct);
    buttons->addWidget(close);
    layout->addLayout(buttons, 5, 0, 1, 2);
    adjustSize();
    centreOverParent(*this);
}

void ResultCorrectionDialog::acceptCorrection() {
    if (correctResult(program_, toU16(gamesWon_->text()), toU16(gamesLost_->text()))) {
        accept();
    }
}
