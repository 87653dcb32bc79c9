#include "ui/main/MainWindow.h"

#include "app/MainButtons.h"
#include "app/MainGridEvents.h"
#include "app/MeetingViewCommands.h"
#include "app/Program.h"
#include "app/Redraw.h"
#include "ui/dialogs/MatchFlow.h"
#include "ui/main/MainGridView.h"
#include "ui/suggestions/SuggestionPanel.h"

#include <QPushButton>
#include <QTabBar>

void MainWindow::connectCommands() {
    matchFlow_ = new MatchFlow(program_, this, [this] { redrawAfterMatch(); });
    connect(tabs_, &QTabBar::tabBarClicked, this, &MainWindow::selectTab);
    // A tab made current without a click (the mouse wheel, the arrow keys)
    // shows its team too, so the tab and the table always agree.
    connect(tabs_, &QTabBar::currentChanged, this, [this](int index) {
        if (index != layout_.selectedTeam) {
            selectTab(index);
        }
    });
    connect(totalsButton_, &QPushButton::clicked, this, &MainWindow::switchToTotals);
    connect(previousButton_, &QPushButton::clicked, this, &MainWindow::showPreviousMeeting);
    connect(currentButton_, &QPushButton::clicked, this, &MainWindow::showCurrentMeeting);
    connect(teamButton_, &QPushButton::clicked, this, &MainWindow::showOtherTeam);
    connect(runningButton_, &QPushButton::clicked, this, &MainWindow::showRunningMatches);
    connect(grid_, &MainGridView::mouseDown, this,
            [this](int button) { rememberGridButton(program_, button); });
    connect(grid_, &MainGridView::cellDoubleClicked, this, &MainWindow::onGridDoubleClick);
    connect(suggestions_, &SuggestionPanel::chosen, matchFlow_, &MatchFlow::pickSuggestion);
}

void MainWindow::selectTab(int index) {
    if (index < 0) {
        return;
    }
    layout_.selectTeam(program_, index);
    render();
}

void MainWindow::switchToTotals() {
    ::switchToTotals(program_);
    render();
}

void MainWindow::showPreviousMeeting() {
    ::showPreviousMeeting(program_);
    render();
}

void MainWindow::showCurrentMeeting() {
    ::showCurrentMeeting(program_);
    render();
}

void MainWindow::showOtherTeam() {
    ::showOtherTeam(program_, layout_);
    render();
}

void MainWindow::showRunningMatches() {
    ::showRunningMatches(program_, [this] { matchFlow_->showRunningList(); });
    render();
}

void MainWindow::onGridDoubleClick(int column, int row) {
    switch (handleGridDoubleClick(program_, column, row)) {
    case GridOutcome::Refused:
        return;
    case GridOutcome::Correction:
        matchFlow_->correctCell();
        return;
    case GridOutcome::Pick:
        matchFlow_->pickCell(column, row);
        return;
    }
}

void MainWindow::redrawAfterMatch() {
    layout_.selectTeam(program_, program_.state.currentTeam);
    render();
}
