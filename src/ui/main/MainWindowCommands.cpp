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
    connect(tabs_, &QTabBar::tabBarClicked, this, [this](int index) {
        if (index < 0) {
            return;
        }
        layout_.selectTab(program_, index + 1);
        render();
    });
    // A tab made current without a click (the mouse wheel, the arrow keys)
    // shows its team too, so the tab and the table always agree.
    connect(tabs_, &QTabBar::currentChanged, this, [this](int index) {
        if (index < 0 || index + 1 == layout_.selectedTab) {
            return;
        }
        layout_.selectTab(program_, index + 1);
        render();
    });
    const auto button = [this](const char* name) {
        return findChild<QPushButton*>(QString::fromLatin1(name));
    };
    connect(button("Command1"), &QPushButton::clicked, this, [this] {
        switchToTotals(program_);
        render();
    });
    connect(button("Command2"), &QPushButton::clicked, this, [this] {
        showPreviousMeeting(program_);
        render();
    });
    connect(button("Command3"), &QPushButton::clicked, this, [this] {
        showCurrentMeeting(program_);
        render();
    });
    connect(button("Command4"), &QPushButton::clicked, this, [this] {
        showOtherTeam(program_, layout_);
        render();
    });
    connect(button("Command6"), &QPushButton::clicked, this, [this] {
        showRunningMatches(program_, [this] { matchFlow_->showRunningList(); });
        render();
    });
    connect(grid_, &MainGridView::mouseDown, this,
            [this](int button) { rememberGridButton(program_, button); });
    connect(grid_, &MainGridView::cellDoubleClicked, this, &MainWindow::onGridDoubleClick);
    connect(suggestions_, &SuggestionPanel::chosen, matchFlow_, &MatchFlow::pickSuggestion);
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
    layout_.selectTab(program_, program_.state.currentTeam + 1);
    render();
}
