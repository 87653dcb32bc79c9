#pragma once

class Program;

// Mouse buttons as the grid reports them.
enum GridButton : int { LeftButton = 1, RightButton = 2, MiddleButton = 4 };

// What a double-click on the main grid asks of the window.
enum class GridOutcome {
    Refused,    // beeped, nothing changed
    Correction, // CorrectionCell is set: open the result correction, then redraw
    Pick,       // a left double-click on a pair cell: take the pick
};

void Grid1_MouseDown(Program& program, int button);

// column and row: the grid's current cell of the double-click.
GridOutcome Grid1_DblClick(Program& program, int column, int row);
