#include "app/ShowHelp.h"

#include "app/Program.h"
#include "platform/Platform.h"

void ShowHelp(Program& program, std::string_view page, int keyCode) {
    if (keyCode != kHelpKeyCode) {
        return;
    }
    program.platform.openHelpPage((program.workDir / "html" / page).string());
}
