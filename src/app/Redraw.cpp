#include "app/Redraw.h"

#include "app/MeetingViewCommands.h"

void redraw(Program& program) {
    buildPairingTable(program);
}
