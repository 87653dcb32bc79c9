#include "ui/dialogs/TeamInfoDialog.h"

#include "app/Help.h"
#include "app/Program.h"
#include "platform/qt/HelpShortcut.h"
#include "ui/dialogs/DialogPlacement.h"
#include "ui/dialogs/EnterKeyHandling.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

QLineEdit* edit(QWidget* parent, const char* name, std::u16string_view text) {
    auto* result = new QLineEdit(QString::fromStdU16String(std::u16string(text)), parent);
    result->setObjectName(QString::fromLatin1(name));
    result->setCursorPosition(0);
    return result;
}

QLabel* label(QWidget* parent, const char* name, const QString& caption) {
    auto* result = new QLabel(caption, parent);
    result->setObjectName(QString::fromLatin1(name));
    return result;
}

} // namespace

TeamInfoDialog::TeamInfoDialog(Program& program, QWidget* owner)
    : QDialog(owner), program_(program), info_(program) {
    setObjectName(QStringLiteral("Form9"));
    installHelpShortcut(*this, program, HelpPage::kTeamInfo);
    setWindowTitle(QStringLiteral("チーム名称設定"));
    setModal(true);

    title_ = edit(this, "Text1", info_.title());
    nameA_ = edit(this, "Text2", info_.teamNameA());
    nameB_ = edit(this, "Text3", info_.teamNameB());
    auto* fields = new QGridLayout;
    fields->addWidget(label(this, "Text4", QStringLiteral("開催名称")), 0, 0);
    fields->addWidget(title_, 0, 1);
    fields->addWidget(label(this, "Text5", QStringLiteral("チームＡ名称")), 1, 0);
    fields->addWidget(nameA_, 1, 1);
    fields->addWidget(label(this, "Text6", QStringLiteral("チームＢ名称")), 2, 0);
    fields->addWidget(nameB_, 2, 1);
    title_->setMinimumWidth(QFontMetrics(title_->font()).horizontalAdvance(QStringLiteral("０")) *
                            22);

    auto* methodFrame = new QGroupBox(this);
    auto* methodLayout = new QVBoxLayout(methodFrame);
    const std::array<QString, 3> captions = {QStringLiteral("２ チーム制ダブルス"),
                                             QStringLiteral("１ チーム制ダブルス"),
                                             QStringLiteral("１チーム制シングルス")};
    for (int i = 0; i < 3; ++i) {
        auto* option = new QRadioButton(captions[static_cast<std::size_t>(i)], methodFrame);
        option->setObjectName(QStringLiteral("Option%1").arg(i + 1));
        methods_[static_cast<std::size_t>(i)] = option;
        methodLayout->addWidget(option);
        connect(option, &QRadioButton::clicked, this, [this, i] {
            info_.chooseMethod(i);
            selectMethod();
        });
    }
    selectMethod();

    auto* updateButton = new QPushButton(QStringLiteral("更新"), this);
    updateButton->setObjectName(QStringLiteral("Command1"));
    auto* cancelButton = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    cancelButton->setObjectName(QStringLiteral("Command2"));
    connect(updateButton, &QPushButton::clicked, this, [this] {
        info_.update(title_->text().toStdU16String(), nameA_->text().toStdU16String(),
                     nameB_->text().toStdU16String());
        accept();
    });
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(updateButton);
    buttons->addWidget(cancelButton);
    buttons->addStretch();

    auto* lower = new QHBoxLayout;
    lower->addWidget(methodFrame, 1);
    lower->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(lower);
    keepEnterWithTheFocusedControl(*this);
}

// Shows the method the rules hold; the dialog's own selection changes no rule.
void TeamInfoDialog::selectMethod() {
    const int method = info_.selectedMethod();
    for (int i = 0; i < 3; ++i) {
        QRadioButton* option = methods_[static_cast<std::size_t>(i)];
        const QSignalBlocker blocker(option);
        option->setAutoExclusive(false);
        option->setChecked(i == method);
        option->setAutoExclusive(true);
    }
}

void TeamInfoDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOverParent(*this);
}
