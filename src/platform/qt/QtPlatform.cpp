#include "platform/qt/QtPlatform.h"

#include "platform/qt/QtText.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

namespace {

QString boxTitle(std::u16string_view title) {
    // A box without a title of its own shows the program's name.
    return QString::fromUtf16(
        title.empty() ? kAppTitle.data() : title.data(),
        static_cast<qsizetype>(title.empty() ? kAppTitle.size() : title.size()));
}

} // namespace

QtPlatform::QtPlatform(QString startFolder) : startFolder_(std::move(startFolder)) {}

void QtPlatform::showMessage(std::u16string_view text, std::u16string_view title) {
    QMessageBox box(QMessageBox::Warning, boxTitle(title), toQString(text), QMessageBox::Ok,
                    parent_);
    box.exec();
}

bool QtPlatform::askYesNo(std::u16string_view text, std::u16string_view title) {
    QMessageBox box(QMessageBox::Question, boxTitle(title), toQString(text),
                    QMessageBox::Yes | QMessageBox::No, parent_);
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void QtPlatform::beep() {
    QApplication::beep();
}

QString QtPlatform::dialogFilter(std::u16string_view filter) {
    // The filter is written as description|pattern pairs; Qt takes the
    // patterns from the parentheses of each description.
    const QStringList parts = toQString(filter).split(u'|');
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        const QString& pattern = parts[i + 1];
        entries << (description.contains(u'(')
                        ? description
                        : description + QStringLiteral(" (") + pattern + u')');
    }
    return entries.join(QStringLiteral(";;"));
}

std::u16string QtPlatform::chooseOpenFile() {
    const QString filter = dialogFilter();
    QString selected = filter.section(QStringLiteral(";;"), 0, 0);
    return QFileDialog::getOpenFileName(parent_, QString(), startFolder_, filter, &selected)
        .toStdU16String();
}

std::u16string QtPlatform::chooseSaveFile() {
    const QString filter = dialogFilter();
    QString selected = filter.section(QStringLiteral(";;"), 0, 0);
    // The program asks its own overwrite question, and only beeps for the
    // open file itself: the dialog asks nothing.
    return QFileDialog::getSaveFileName(parent_, QString(), startFolder_, filter, &selected,
                                        QFileDialog::DontConfirmOverwrite)
        .toStdU16String();
}

std::u16string QtPlatform::chooseCsvSaveFile(std::u16string_view suggestedName) {
    QFileDialog dialog(parent_, QStringLiteral("CSV 出力"),
                       QDir(startFolder_).filePath(toQString(suggestedName)),
                       dialogFilter(kCsvFileFilter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // A name typed without an extension still makes a CSV file.
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst().toStdU16String();
}

void QtPlatform::openHelpPage(const std::string& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}
