#include "ui/dialogs/DialogPlacement.h"

#include <QWidget>

void centreOverParent(QWidget& dialog) {
    const QWidget* owner = dialog.parentWidget();
    if (owner == nullptr) {
        return;
    }
    const QRect main = owner->window()->geometry();
    dialog.move(main.left() + (main.width() - dialog.width()) / 2,
                main.top() + (main.height() - dialog.height()) / 2);
}
