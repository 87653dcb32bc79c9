#include "ui/dialogs/RosterDialog.h"

#include "app/Help.h"
#include "app/Program.h"
#include "platform/qt/HelpShortcut.h"
#include "platform/qt/WindowPrinter.h"
#include "ui/dialogs/DialogPlacement.h"
#include "ui/dialogs/PictureFit.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
    auto* result = new QPushButton(caption, parent);
    result->setObjectName(QString::fromLatin1(name));
    return result;
}

// A font whose full-width characters are exactly two half-width ones wide, so
// the fixed-format list lines stand in columns.
QFont fixedPitchFont() {
    QFont font;
    font.setFamilies({QStringLiteral("MS Gothic"), QStringLiteral("IPAGothic"),
                      QStringLiteral("Noto Sans Mono CJK JP"), QStringLiteral("monospace")});
    font.setStyleHint(QFont::Monospace);
    return font;
}

QListWidget* list(QWidget* parent, const char* name) {
    auto* result = new QListWidget(parent);
    result->setObjectName(QString::fromLatin1(name));
    result->setFont(fixedPitchFont());
    result->setMinimumWidth(QFontMetrics(result->font()).horizontalAdvance(QLatin1Char('0')) * 30);
    return result;
}

} // namespace

RosterDialog::RosterDialog(Program& program, Roster& roster, QWidget* owner)
    : QDialog(owner), program_(program), roster_(roster) {
    setObjectName(QStringLiteral("Form8"));
    installHelpShortcut(*this, program, HelpPage::kRoster);
    setWindowTitle(QStringLiteral("参加者登録"));
    setModal(true);

    rosterList_ = list(this, "List1");
    masterList_ = list(this, "List2");
    teamName_ = new QLabel(this);
    teamName_->setObjectName(QStringLiteral("Label3"));
    auto* rosterHeader =
        new QLabel(QString::fromStdU16String(std::u16string(Roster::kRosterHeader)), this);
    rosterHeader->setFont(fixedPitchFont());
    auto* masterHeader =
        new QLabel(QString::fromStdU16String(std::u16string(Roster::kMasterHeader)), this);
    masterHeader->setFont(fixedPitchFont());

    auto* pictureFrame = new QGroupBox(QStringLiteral("登録写真"), this);
    picture_ = new QLabel(pictureFrame);
    picture_->setObjectName(QStringLiteral("Picture1"));
    picture_->setFixedSize(96, 112);
    picture_->setAlignment(Qt::AlignCenter);
    auto* pictureLayout = new QVBoxLayout(pictureFrame);
    pictureLayout->addWidget(picture_, 0, Qt::AlignCenter);
    resting_ = new QCheckBox(QStringLiteral("お休み"), this);
    resting_->setObjectName(QStringLiteral("Check1"));

    auto* changeButton = button(this, "Command7", QStringLiteral("変更"));
    auto* addButton = button(this, "Command2", QStringLiteral("追加"));
    auto* removeButton = button(this, "Command3", QStringLiteral("削除"));
    auto* switchButton = button(this, "Command4", QStringLiteral("チーム 切替"));
    auto* printButton = button(this, "Command1", QStringLiteral("印字"));
    auto* updateButton = button(this, "Command5", QStringLiteral("更新"));
    auto* cancelButton = button(this, "Command6", QStringLiteral("ｷｬﾝｾﾙ"));
    for (QPushButton* b : {changeButton, addButton, removeButton, switchButton, printButton,
                           updateButton, cancelButton}) {
        b->setAutoDefault(false);
    }

    // The highlighted line is the current one, whether a click or the arrow
    // keys moved the highlight there.
    connect(rosterList_, &QListWidget::currentRowChanged, this, &RosterDialog::moveRosterCursor);
    connect(rosterList_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { moveRosterCursor(rosterList_->row(item)); });
    connect(masterList_, &QListWidget::currentRowChanged, this, &RosterDialog::selectMaster);
    connect(masterList_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { selectMaster(masterList_->row(item)); });
    connect(resting_, &QCheckBox::clicked, this, [this](bool ticked) {
        roster_.clickResting(ticked);
        showRoster();
    });
    connect(changeButton, &QPushButton::clicked, this, [this] {
        roster_.change();
        showRoster();
    });
    connect(addButton, &QPushButton::clicked, this, [this] {
        roster_.add();
        showRoster();
    });
    connect(removeButton, &QPushButton::clicked, this, [this] {
        roster_.remove();
        showRoster();
    });
    connect(switchButton, &QPushButton::clicked, this, [this] {
        roster_.switchTeam();
        showRoster();
    });
    connect(printButton, &QPushButton::clicked, this, [this] { WindowPrinter::print(*this); });
    connect(updateButton, &QPushButton::clicked, this, [this] {
        roster_.update();
        closing_ = true;
        accept();
    });
    connect(cancelButton, &QPushButton::clicked, this, [this] { leave(false); });

    auto* note = new QLabel(
        QStringLiteral("変更箇所（参加者情報）の行をクリックし、次に元ﾃﾞｰﾀ（マスター情報）の行を"
                       "クリックしてから、操作ボタンを押して下さい。\n"
                       "変更：現在のカーソル行が書き換えられます。\n"
                       "追加：カーソル行の次に追加されます。\n"
                       "削除：現在のカーソル行が削除されます。\n"
                       "お休み：カーソル位置でクリックすると、お休みの設定／解除をします。\n"
                       "※試合開始後に変更すると、変更後の名前で処理されます。"),
        this);
    note->setWordWrap(true);

    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(QStringLiteral("参加者情報"), this));
    left->addWidget(teamName_);
    left->addWidget(rosterHeader);
    left->addWidget(rosterList_, 1);
    auto* middle = new QVBoxLayout;
    middle->addWidget(pictureFrame);
    middle->addWidget(resting_);
    for (QPushButton* b : {changeButton, addButton, removeButton, switchButton, printButton}) {
        middle->addWidget(b);
    }
    middle->addStretch();
    middle->addWidget(updateButton);
    middle->addWidget(cancelButton);
    auto* right = new QVBoxLayout;
    right->addWidget(new QLabel(QStringLiteral("マスター情報"), this));
    right->addWidget(masterHeader);
    right->addWidget(masterList_, 1);
    right->addWidget(note);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(middle);
    layout->addLayout(right);

    roster_.open();
    {
        // Filling the list selects no member.
        const QSignalBlocker quiet(masterList_);
        for (const std::u16string& line : roster_.masterLines()) {
            masterList_->addItem(QString::fromStdU16String(line));
        }
    }
    showRoster();
    resize(860, 560);
}

void RosterDialog::moveRosterCursor(int line) {
    if (const auto click = roster_.clickRoster(line)) {
        resting_->setChecked(click->resting);
        showPicture(click->picture);
    }
}

void RosterDialog::selectMaster(int line) {
    if (line < 0) {
        return;
    }
    if (const auto picture = roster_.clickMaster(line)) {
        showPicture(*picture);
    }
}

void RosterDialog::showRoster() {
    // Redrawing the lines keeps the cursor where the roster has it.
    const QSignalBlocker quiet(rosterList_);
    rosterList_->clear();
    teamName_->setText(QString::fromStdU16String(roster_.teamName()));
    for (const std::u16string& line : roster_.rosterLines()) {
        rosterList_->addItem(QString::fromStdU16String(line));
    }
    // The cursor line stays marked.
    if (roster_.cursor() > 0 && roster_.cursor() <= rosterList_->count()) {
        rosterList_->setCurrentRow(roster_.cursor() - 1);
    }
}

void RosterDialog::showPicture(const PictureLookup& picture) {
    if (!picture.found) {
        return;
    }
    picture_->setPixmap(
        fitPicture(QString::fromStdString((program_.workDir / picture.fileName).string()),
                   picture_->size(), *picture_));
}

void RosterDialog::leave(bool closeBox) {
    if (roster_.leave(closeBox)) {
        closing_ = true;
        reject();
    }
}

void RosterDialog::closeEvent(QCloseEvent* event) {
    if (!closing_ && !roster_.leave(true)) {
        event->ignore();
        return;
    }
    closing_ = true;
    QDialog::closeEvent(event);
}

void RosterDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOverParent(*this);
}

void RosterDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        leave(false);
        return;
    }
    QDialog::keyPressEvent(event);
}
