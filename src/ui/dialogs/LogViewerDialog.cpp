#include "ui/dialogs/LogViewerDialog.h"

#include "app/Help.h"
#include "app/LogCommands.h"
#include "app/MainLayout.h"
#include "app/Program.h"
#include "platform/qt/HelpShortcut.h"
#include "platform/qt/WindowPrinter.h"
#include "ui/dialogs/DialogPlacement.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

QLineEdit* readOnlyBox(QWidget* parent, const char* name, const std::u16string& text, QRect place) {
    auto* box = new QLineEdit(QString::fromStdU16String(text), parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setReadOnly(true);
    box->setGeometry(place);
    box->setCursorPosition(0);
    return box;
}

} // namespace

LogViewerDialog::LogViewerDialog(Program& program, QWidget* parent)
    : QDialog(parent), program_(program) {
    setObjectName(QStringLiteral("Form12"));
    installHelpShortcut(*this, program, HelpPage::kLogViewer);
    setWindowTitle(QString::fromStdU16String(logViewerCaption()));
    resize(760, 560);

    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    QLineEdit* title = readOnlyBox(this, "Text3", logViewerTitle(), {10, 10, 740, 30});
    title->setAlignment(Qt::AlignCenter);
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.3);
    titleFont.setBold(true);
    title->setFont(titleFont);
    QLineEdit* header =
        readOnlyBox(this, "Text1", std::u16string(kLogViewerHeader), {10, 48, 740, 26});
    header->setFont(fixed);

    body_ = new QPlainTextEdit(this);
    body_->setObjectName(QStringLiteral("Text2"));
    body_->setReadOnly(true);
    body_->setLineWrapMode(QPlainTextEdit::NoWrap);
    body_->setFont(fixed);
    body_->setGeometry(10, 78, 740, 420);

    printButton_ = new QPushButton(QStringLiteral("印字"), this);
    printButton_->setObjectName(QStringLiteral("Command2"));
    printButton_->setGeometry(520, 510, 110, 36);
    connect(printButton_, &QPushButton::clicked, this, [this] { WindowPrinter::print(*this); });
    backButton_ = new QPushButton(QStringLiteral("戻る"), this);
    backButton_->setObjectName(QStringLiteral("Command1"));
    backButton_->setGeometry(640, 510, 110, 36);
    connect(backButton_, &QPushButton::clicked, this, &QDialog::accept);

    body_->clear();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::u16string text;
    readLogText(program_, text);
    setLogText(text);
    QApplication::restoreOverrideCursor();
}

void LogViewerDialog::setLogText(const std::u16string& text) {
    // The log's lines end in CR LF; the box wants LF alone.
    body_->setPlainText(QString::fromStdU16String(text).remove(u'\r'));
}

void LogViewerDialog::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    // The body keeps 600 twips below it for the buttons, once it has room.
    const int height = (this->height() - body_->y()) * kTwipsPerPixel - 600;
    if (height > 1000) {
        body_->resize(width() - 20, height / kTwipsPerPixel);
    }
    const int buttonsTop = body_->y() + body_->height() + 4;
    printButton_->move(width() - 240, buttonsTop);
    backButton_->move(width() - 120, buttonsTop);
}

void LogViewerDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOverParent(*this);
}
