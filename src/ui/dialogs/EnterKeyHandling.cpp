#include "ui/dialogs/EnterKeyHandling.h"

#include <QDialog>
#include <QEvent>
#include <QKeyEvent>
#include <QPushButton>

namespace {

// Presses a focused button on Enter; a button that is not a default does
// not react to Enter of its own accord.
class EnterPressesButton : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            auto* button = qobject_cast<QPushButton*>(watched);
            if (button != nullptr && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
                button->click();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void keepEnterWithTheFocusedControl(QDialog& dialog) {
    auto* filter = new EnterPressesButton(&dialog);
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
        button->setDefault(false);
        button->installEventFilter(filter);
    }
}
