#include "ui/dialogs/PictureChooserDialog.h"

#include "app/Program.h"
#include "ui/dialogs/DialogPlacement.h"
#include "ui/dialogs/PictureFit.h"

#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

PictureChooserDialog::PictureChooserDialog(Program& program, QWidget* owner)
    : QDialog(owner), chooser_(program.platform, program.workDir) {
    setObjectName(QStringLiteral("frmDirBmp"));
    setWindowTitle(QStringLiteral("写真の選択"));
    setModal(true);

    drives_ = new QComboBox(this);
    drives_->setObjectName(QStringLiteral("Drive1"));
    for (const QFileInfo& drive : QDir::drives()) {
        drives_->addItem(drive.absoluteFilePath());
    }
    folderPath_ = new QLabel(this);
    folderPath_->setWordWrap(true);
    folders_ = new QListWidget(this);
    folders_->setObjectName(QStringLiteral("Dir1"));
    files_ = new QListWidget(this);
    files_->setObjectName(QStringLiteral("File1"));
    preview_ = new QLabel(this);
    preview_->setObjectName(QStringLiteral("Image1"));
    preview_->setFixedSize(128, 150);
    preview_->setFrameShape(QFrame::Box);
    preview_->setAlignment(Qt::AlignCenter);
    auto* okButton = new QPushButton(QStringLiteral("ＯＫ"), this);
    okButton->setObjectName(QStringLiteral("CmdOk"));
    auto* cancelButton = new QPushButton(QStringLiteral("キャンセル"), this);
    cancelButton->setObjectName(QStringLiteral("CmdCancel"));

    connect(drives_, &QComboBox::activated, this, [this](int index) {
        chooser_.chooseFolder(drives_->itemText(index).toStdString());
        showFolder();
    });
    connect(folders_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        chooser_.chooseFolder(chooser_.folder() / item->text().toStdString());
        showFolder();
    });
    connect(files_, &QListWidget::currentTextChanged, this, [this](const QString& name) {
        chooser_.chooseFile(name.toStdString());
        preview_->setPixmap(fitPicture(QString::fromStdString(chooser_.previewPath().string()),
                                       preview_->size(), *preview_));
    });
    connect(okButton, &QPushButton::clicked, this, &PictureChooserDialog::ok);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto* lists = new QVBoxLayout;
    lists->addWidget(drives_);
    lists->addWidget(folderPath_);
    lists->addWidget(folders_);
    auto* side = new QVBoxLayout;
    side->addWidget(preview_);
    side->addWidget(okButton);
    side->addWidget(cancelButton);
    side->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addWidget(files_, 1);
    layout->addLayout(side);
    resize(560, 320);
    showFolder();
}

void PictureChooserDialog::showFolder() {
    folders_->clear();
    files_->clear();
    for (const std::string& name : chooser_.folders()) {
        folders_->addItem(QString::fromStdString(name));
    }
    for (const std::string& name : chooser_.files()) {
        files_->addItem(QString::fromStdString(name));
    }
    folderPath_->setText(QString::fromStdString(chooser_.folder().string()));
    preview_->clear();
}

void PictureChooserDialog::ok() {
    const std::optional<int> number = chooser_.ok();
    if (!number) {
        return;
    }
    photoNumber_ = *number;
    fileName_ = chooser_.chosenFile();
    accept();
}

void PictureChooserDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOverParent(*this);
}

void PictureChooserDialog::keyPressEvent(QKeyEvent* event) {
    // Keys do nothing here (no help page); Esc still cancels.
    if (event->key() == Qt::Key_Escape) {
        QDialog::keyPressEvent(event);
    }
}
