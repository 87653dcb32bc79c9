#pragma once

class Program;

// Mouse buttons as the grid reports them.
enum GridButton : int { LeftButton = 1, RightButton = 2, MiddleButton = 4 };

// What a double-click on the main grid asks of the window.
enum class GridOutcome {
    Refused,    // beeped, nothing changed
    Correction, // correctionCell is set: open the result correction, then redraw
    Pick,       // a left double-click on a pair cell: take the pick
};

void rememberGridButton(Program& program, int button);

// column and row: the grid's current cell of the double-click.
GridOutcome handleGridDoubleClick(Program& program, int column, int row);
