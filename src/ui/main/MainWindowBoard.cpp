#include "ui/main/MainWindow.h"

#include "ui/board/CourtBoardWindow.h"

// The 表示 menu's コートボード: made on first use, then shown again on its
// screen; the organiser's window keeps the focus.
void MainWindow::openCourtBoard() {
    if (!board_) {
        board_ = std::make_unique<CourtBoardWindow>(program_, this);
        board_->showPhoneAddress(*phones_);
    }
    board_->open();
}

// Every redraw of the main window redraws the board with it.
void MainWindow::refreshCourtBoard() {
    if (board_) {
        board_->refresh();
    }
}
