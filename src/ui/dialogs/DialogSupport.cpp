#include "ui/dialogs/DialogSupport.h"

#include "app/ShowHelp.h"

#include <QKeyEvent>
#include <QWidget>

void centreOver(QWidget* dialog, const QWidget* mainWindow) {
    if (mainWindow == nullptr) {
        return;
    }
    dialog->adjustSize();
    const QRect main = mainWindow->frameGeometry();
    const QSize size = dialog->frameGeometry().size().expandedTo(dialog->size());
    dialog->move(main.left() + (main.width() - size.width()) / 2,
                 main.top() + (main.height() - size.height()) / 2);
}

int programKeyCode(const QKeyEvent* event) {
    return event->key() == Qt::Key_F1 ? kHelpKeyCode : 0;
}

QString toQString(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

std::u16string toU16(const QString& text) {
    return std::u16string(reinterpret_cast<const char16_t*>(text.utf16()),
                          static_cast<std::size_t>(text.size()));
}
