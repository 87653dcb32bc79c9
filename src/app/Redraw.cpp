#include "app/Redraw.h"

#include "app/MeetingViewCommands.h"
#include "app/PresenceRoster.h"

void redraw(Program& program) {
    applyPresence(program);
    buildPairingTable(program);
}
