#include "platform/qt/HelpShortcut.h"

#include "app/Help.h"
#include "app/Program.h"

#include <QShortcut>
#include <QWidget>

void installHelpShortcut(QWidget& window, Program& program,
                         std::function<std::string_view()> page) {
    auto* shortcut = new QShortcut(QKeySequence::HelpContents, &window);
    QObject::connect(shortcut, &QShortcut::activated, &window, [&program, page = std::move(page)] {
        showHelp(program.platform, program.workDir, page());
    });
}

void installHelpShortcut(QWidget& window, Program& program, std::string_view page) {
    installHelpShortcut(window, program, [page] { return page; });
}
