#include "app/PresenceRoster.h"

#include "app/Program.h"

bool applyPresence(Program& program) {
    static_cast<void>(program);
    return false;
}
