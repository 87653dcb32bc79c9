#pragma once

class Program;

// Rebuilds everything the main window shows from the meeting state, after
// setting the roster's お休み flags from the check-ins (so an announced
// leaving time takes effect at the next redraw). Every command that changes
// the meeting or the shown team ends with it.
void redraw(Program& program);
