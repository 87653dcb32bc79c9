#include "ui/dialogs/DialogPlacement.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

void centreOverParent(QWidget& dialog) {
    const QWidget* owner = dialog.parentWidget();
    if (owner == nullptr) {
        return;
    }
    const QRect main = owner->window()->geometry();
    QRect placed(main.left() + (main.width() - dialog.width()) / 2,
                 main.top() + (main.height() - dialog.height()) / 2, dialog.width(),
                 dialog.height());
    // On a small screen the dialog shrinks as far as it can and stays inside
    // the screen's available area, its top edge always within reach.
    if (const QScreen* screen = owner->screen()) {
        const QRect available = screen->availableGeometry();
        const QSize frame = dialog.frameGeometry().size() - dialog.size();
        dialog.resize(
            dialog.size().boundedTo(available.size() - frame).expandedTo(dialog.minimumSize()));
        placed.setSize(dialog.size() + frame);
        placed.moveRight(std::min(placed.right(), available.right()));
        placed.moveBottom(std::min(placed.bottom(), available.bottom()));
        placed.moveLeft(std::max(placed.left(), available.left()));
        placed.moveTop(std::max(placed.top(), available.top()));
    }
    dialog.move(placed.topLeft());
}
