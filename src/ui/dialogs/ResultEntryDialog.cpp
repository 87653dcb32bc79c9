#include "ui/dialogs/ResultEntryDialog.h"

#include "app/Help.h"
#include "app/Program.h"
#include "app/ResultEntry.h"
#include "matching/MatchSides.h"
#include "platform/qt/HelpShortcut.h"
#include "platform/qt/QtText.h"
#include "ui/dialogs/DialogPlacement.h"
#include "ui/dialogs/MatchSidesWidgets.h"
#include "ui/dialogs/ScoreKeyFilter.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QLineEdit* makeScoreBox(QWidget* parent, const char* name, ScoreKeyFilter* filter) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setAlignment(Qt::AlignCenter);
    box->setMaximumWidth(80);
    QFont large = box->font();
    large.setPointSizeF(large.pointSizeF() * 1.5);
    box->setFont(large);
    filter->watch(box);
    return box;
}

} // namespace

ResultEntryDialog::ResultEntryDialog(Program& program, QWidget* mainWindow)
    : QDialog(mainWindow), program_(program) {
    setObjectName(QStringLiteral("Form3"));
    installHelpShortcut(*this, program, HelpPage::kResultEntry);
    setWindowTitle(QStringLiteral("試合決定入力"));
    setModal(true);

    sides_ = std::make_unique<MatchSidesWidgets>(this);
    auto* filter = new ScoreKeyFilter(this);
    gamesA_ = makeScoreBox(this, "Text1", filter);
    gamesB_ = makeScoreBox(this, "Text2", filter);

    auto* ok = new QPushButton(QStringLiteral("決定"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    auto* cancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    cancel->setObjectName(QStringLiteral("Command2"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &ResultEntryDialog::acceptResult);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QGridLayout(this);
    layout->addWidget(sides_->frame(0), 0, 0);
    layout->addWidget(sides_->versus(), 0, 1);
    layout->addWidget(sides_->frame(1), 0, 2);
    layout->addWidget(gamesA_, 1, 0, Qt::AlignCenter);
    layout->addWidget(gamesB_, 1, 2, Qt::AlignCenter);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons, 2, 0, 1, 3);

    sides_->show(loadMatchSides(program_.state, program_.workDir), program_.workDir);
    adjustSize();
    centreOverParent(*this);
}

ResultEntryDialog::~ResultEntryDialog() = default;

void ResultEntryDialog::acceptResult() {
    if (enterResult(program_, toU16(gamesA_->text()), toU16(gamesB_->text()))) {
        accept();
    }
}
