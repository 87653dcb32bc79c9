#include "app/LogCommands.h"

#include "app/Program.h"
#include "app/StorageMessages.h"
#include "platform/Platform.h"

namespace {

constexpr std::u16string_view kClearQuestion =
    u"ログをｸﾘｱｰしますか ?　はい(Y)を選ぶと全てのログﾃﾞｰﾀがｸﾘｱｰされます。";

// One full-width blank, 24 blanks and 24 full-width blanks put the caption
// in the middle of the viewer's title bar.
std::u16string centredCaption(std::u16string_view text) {
    return u"　" + std::u16string(24, u' ') + std::u16string(24, u'　') + std::u16string(text);
}

bool reportWrite(Program& program, FileFault fault) {
    if (fault != FileFault::None) {
        program.platform.showMessage(kLogWriteError, kAppTitle);
        return false;
    }
    return true;
}

} // namespace

bool appendLog(Program& program, const std::u16string& text) {
    return reportWrite(program, program.log.append(text));
}

void startLog(Program& program) {
    if (program.log.readEntryCount() != FileFault::None) {
        return;
    }
    if (program.log.overflowing()) {
        program.platform.showMessage(kLogOverflowWarning, kAppTitle);
    }
    appendLog(program, u"起動");
}

bool readLogText(Program& program, std::u16string& text) {
    if (program.log.readText(text) != FileFault::None) {
        program.platform.showMessage(kLogReadError, kAppTitle);
        return false;
    }
    return true;
}

void clearLog(Program& program) {
    if (program.platform.askYesNo(kClearQuestion, u"")) {
        reportWrite(program, program.log.clear());
    }
}

std::u16string logViewerCaption() {
    return centredCaption(u"ログ表示");
}

// The title box is narrower than the title bar, so fewer blanks lead in.
std::u16string logViewerTitle() {
    return u"　　　" + std::u16string(u"ロ グ 表 示");
}
