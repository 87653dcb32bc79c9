#pragma once

class Program;

// Rebuilds everything the main window shows from the meeting state. Every
// command that changes the meeting or the shown team ends with it.
void redraw(Program& program);
