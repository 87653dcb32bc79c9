#include "ui/dialogs/DialogSupport.h"

#include "app/Program.h"
#include "platform/Platform.h"

#include <QWidget>

void centreOver(QWidget& dialog, const QWidget* owner) {
    if (owner == nullptr) {
        return;
    }
    const QRect frame = owner->frameGeometry();
    const QSize size = dialog.frameGeometry().size();
    dialog.move(frame.left() + (frame.width() - size.width()) / 2,
                frame.top() + (frame.height() - size.height()) / 2);
}

void openHelpPage(Program& program, const char* page) {
    program.platform.openHelpPage((program.workDir / "html" / page).string());
}

QFont fixedPitchFont() {
    QFont font;
    font.setFamilies({QStringLiteral("MS Gothic"), QStringLiteral("IPAGothic"),
                      QStringLiteral("Noto Sans Mono CJK JP"), QStringLiteral("monospace")});
    font.setStyleHint(QFont::Monospace);
    return font;
}
