#include "ui/dialogs/MemberMasterDialog.h"

#include "app/Help.h"
#include "app/MainLayout.h"
#include "app/Program.h"
#include "platform/qt/HelpShortcut.h"
#include "platform/qt/WindowPrinter.h"
#include "ui/dialogs/DialogPlacement.h"
#include "ui/dialogs/EnterKeyHandling.h"
#include "ui/dialogs/FieldWidthValidator.h"
#include "ui/dialogs/PictureChooserDialog.h"
#include "ui/dialogs/PictureFit.h"
#include "ui/register/MemberRegisterFields.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The grid's usable size in twips when the editor opens.
constexpr int kGridWidth = 12000;
constexpr int kGridHeight = 6000;

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
    auto* result = new QPushButton(caption, parent);
    result->setObjectName(QString::fromLatin1(name));
    return result;
}

} // namespace

MemberMasterDialog::MemberMasterDialog(Program& program, QWidget* owner)
    : QDialog(owner), program_(program), editor_(program) {
    setObjectName(QStringLiteral("Form7"));
    installHelpShortcut(*this, program, HelpPage::kMasterEditor);
    setWindowTitle(QStringLiteral("マスター登録"));
    setModal(false);
    buildControls();
    editor_.open(kGridWidth, kGridHeight);
    renderGrid();
    registerFields_->render();
    resize(900, 720);
}

void MemberMasterDialog::buildControls() {
    auto* heading = new QLabel(QStringLiteral("マスター情報一覧"), this);
    grid_ = new QTableWidget(MasterEditor::kRows, MasterEditor::kColumns, this);
    grid_->setObjectName(QStringLiteral("Grid1"));
    grid_->horizontalHeader()->hide();
    grid_->verticalHeader()->hide();
    // Row 1 and column 1 are a few twips wide: practically invisible.
    grid_->horizontalHeader()->setMinimumSectionSize(0);
    grid_->verticalHeader()->setMinimumSectionSize(0);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(grid_, &QTableWidget::cellClicked, this, [this](int row, int) { clickGrid(row); });

    static constexpr std::array<const char*, 8> labels = {
        "", "分類コード", "氏名", "略称", "電話番号", "住所", "メモ", "写真ＮＯ"};
    auto* fields = new QGridLayout;
    for (int box = MasterEditor::ClassCodeBox; box <= MasterEditor::PhotoNoBox; ++box) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("Text%1").arg(box));
        boxes_[static_cast<std::size_t>(box)] = edit;
        connect(edit, &QLineEdit::textChanged, this, [this, box](const QString& text) {
            editor_.editBox(box, text.toStdU16String());
            renderGrid();
        });
    }
    boxes_[MasterEditor::ClassCodeBox]->installEventFilter(this);
    // The text boxes hold no more than the master file's fields store.
    const std::array<std::pair<int, std::size_t>, 5> fieldBytes = {{
        {MasterEditor::NameBox, 16},
        {MasterEditor::AbbrevBox, 8},
        {MasterEditor::PhoneBox, 16},
        {MasterEditor::AddressBox, 64},
        {MasterEditor::MemoBox, 64},
    }};
    for (const auto& [box, bytes] : fieldBytes) {
        QLineEdit* edit = boxes_[static_cast<std::size_t>(box)];
        edit->setValidator(new FieldWidthValidator(bytes, edit));
    }
    // Two rows of boxes: codes, names and sex on the first, contacts below.
    const std::array<int, 7> order = {MasterEditor::ClassCodeBox, MasterEditor::PhotoNoBox,
                                      MasterEditor::NameBox,      MasterEditor::AbbrevBox,
                                      MasterEditor::PhoneBox,     MasterEditor::AddressBox,
                                      MasterEditor::MemoBox};
    for (std::size_t i = 0; i < order.size(); ++i) {
        const int box = order[i];
        const int row = static_cast<int>(i) / 4;
        const int column = static_cast<int>(i) % 4 * 2;
        auto* caption = new QLabel(QString::fromUtf8(labels[static_cast<std::size_t>(box)]), this);
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        fields->addWidget(caption, row, column);
        fields->addWidget(boxes_[static_cast<std::size_t>(box)], row, column + 1);
    }
    boxes_[MasterEditor::ClassCodeBox]->setMaximumWidth(60);
    boxes_[MasterEditor::PhotoNoBox]->setMaximumWidth(60);

    auto* sex = new QGroupBox(QStringLiteral("性別"), this);
    male_ = new QRadioButton(QStringLiteral("男性"), sex);
    male_->setObjectName(QStringLiteral("Option1"));
    female_ = new QRadioButton(QStringLiteral("女性"), sex);
    female_->setObjectName(QStringLiteral("Option2"));
    auto* sexLayout = new QHBoxLayout(sex);
    sexLayout->addWidget(male_);
    sexLayout->addWidget(female_);
    connect(male_, &QRadioButton::clicked, this, [this] {
        editor_.clickSexOption(1, male_->isChecked());
        renderGrid();
    });
    connect(female_, &QRadioButton::clicked, this, [this] {
        editor_.clickSexOption(2, female_->isChecked());
        renderGrid();
    });
    fields->addWidget(sex, 1, 6, 1, 2);

    auto* photoLabel = new QLabel(QStringLiteral("写真"), this);
    image_ = new QLabel(this);
    image_->setObjectName(QStringLiteral("Image1"));
    image_->setFixedSize(96, 112);
    image_->setFrameShape(QFrame::Box);
    image_->setAlignment(Qt::AlignCenter);
    auto* pictureButton = button(this, "CmdPic", QStringLiteral("写真"));
    connect(pictureButton, &QPushButton::clicked, this, &MemberMasterDialog::choosePicture);
    auto* photo = new QVBoxLayout;
    photo->addWidget(photoLabel);
    photo->addWidget(image_);
    photo->addWidget(pictureButton);

    auto* addButton = button(this, "Command3", QStringLiteral("追加"));
    auto* removeButton = button(this, "Command4", QStringLiteral("削除"));
    auto* updateButton = button(this, "Command1", QStringLiteral("更新"));
    auto* cancelButton = button(this, "Command2", QStringLiteral("ｷｬﾝｾﾙ"));
    // The member list on paper: the editor prints its own image.
    auto* printButton = button(this, "CmdPrint", QStringLiteral("印字"));
    connect(printButton, &QPushButton::clicked, this, [this] { WindowPrinter::print(*this); });
    connect(addButton, &QPushButton::clicked, this, [this] {
        editor_.add();
        renderGrid();
        registerFields_->render();
    });
    connect(removeButton, &QPushButton::clicked, this, [this] {
        editor_.remove();
        renderGrid();
        registerFields_->render();
    });
    connect(updateButton, &QPushButton::clicked, this, &MemberMasterDialog::update);
    connect(cancelButton, &QPushButton::clicked, this, &MemberMasterDialog::cancel);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {addButton, removeButton, printButton, updateButton, cancelButton}) {
        buttons->addWidget(b);
    }
    buttons->addStretch();

    auto* note =
        new QLabel(QStringLiteral("追加：追加したい位置の前の行をクリックし、「追加」を押してから"
                                  "データを入力して下さい。最後のメンバーより下の行を選ぶと"
                                  "先頭に追加されます。"),
                   this);
    note->setWordWrap(true);

    registerFields_ = new MemberRegisterFields(editor_, program_.master, this);

    auto* lower = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addLayout(fields);
    left->addWidget(note);
    left->addWidget(registerFields_);
    lower->addLayout(left, 1);
    lower->addLayout(photo);
    lower->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(grid_, 1);
    layout->addLayout(lower);
    keepEnterWithTheFocusedControl(*this);
}

void MemberMasterDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOverParent(*this);
}

void MemberMasterDialog::renderGrid() {
    const GridModel& model = editor_.grid();
    for (int column = 0; column < model.columns; ++column) {
        grid_->setColumnWidth(
            column,
            std::max(1, model.columnWidths[static_cast<std::size_t>(column)] / kTwipsPerPixel));
    }
    for (int row = 0; row < model.rows; ++row) {
        grid_->setRowHeight(
            row, std::max(1, model.rowHeights[static_cast<std::size_t>(row)] / kTwipsPerPixel));
        for (int column = 0; column < model.columns; ++column) {
            const QString text = QString::fromStdU16String(model.at(row, column));
            QTableWidgetItem* item = grid_->item(row, column);
            if (item == nullptr) {
                item = new QTableWidgetItem;
                // Row 0 and column 0 are the grid's fixed titles.
                if (row == 0 || column == 0) {
                    item->setBackground(palette().button());
                    item->setTextAlignment(Qt::AlignCenter);
                }
                grid_->setItem(row, column, item);
            }
            if (item->text() != text) {
                item->setText(text);
            }
        }
    }
}

void MemberMasterDialog::clickGrid(int row) {
    if (!editor_.clickRow(row)) {
        return;
    }
    // Filling the boxes must not write back into the member.
    const MasterEditor::BoxTexts& shown = editor_.boxes();
    for (int box = MasterEditor::ClassCodeBox; box <= MasterEditor::PhotoNoBox; ++box) {
        QLineEdit* edit = boxes_[static_cast<std::size_t>(box)];
        const QSignalBlocker blocker(edit);
        edit->setText(QString::fromStdU16String(shown.text[static_cast<std::size_t>(box)]));
    }
    (shown.female ? female_ : male_)->setChecked(true);
    registerFields_->render();
    const PictureLookup picture = editor_.selectedPicture();
    if (picture.found) {
        showPicture(QString::fromStdString((program_.workDir / picture.fileName).string()));
    }
}

void MemberMasterDialog::showPicture(const QString& path) {
    image_->setPixmap(fitPicture(path, image_->size(), *image_));
}

void MemberMasterDialog::choosePicture() {
    PictureChooserDialog chooser(program_, this);
    if (chooser.exec() != QDialog::Accepted) {
        return;
    }
    // Through the box's change handler the selected member takes the number.
    boxes_[MasterEditor::PhotoNoBox]->setText(QString::number(chooser.photoNumber()));
    showPicture(QString::fromStdString((program_.workDir / chooser.fileName()).string()));
}

void MemberMasterDialog::update() {
    if (editor_.update()) {
        closing_ = true;
        close();
    }
}

void MemberMasterDialog::cancel() {
    close();
}

void MemberMasterDialog::closeEvent(QCloseEvent* event) {
    if (closing_ || editor_.mayClose()) {
        closing_ = true;
        event->accept();
        return;
    }
    event->ignore();
}

// The class-code box drops typed characters beyond "A", also when they come
// composed from an input method.
bool MemberMasterDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == boxes_[MasterEditor::ClassCodeBox]) {
        QString typed;
        if (event->type() == QEvent::KeyPress) {
            typed = static_cast<QKeyEvent*>(event)->text();
        } else if (event->type() == QEvent::InputMethod) {
            typed = static_cast<QInputMethodEvent*>(event)->commitString();
        }
        for (const QChar c : typed) {
            if (!MasterEditor::acceptsClassCodeKey(c.unicode())) {
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void MemberMasterDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        // Esc leaves through the same question as ｷｬﾝｾﾙ.
        close();
        return;
    }
    QDialog::keyPressEvent(event);
}
