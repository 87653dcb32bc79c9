#include "ui/main/Form1.h"

#include "app/MainButtons.h"
#include "app/MainGridEvents.h"
#include "app/MeetingViewCommands.h"
#include "app/Program.h"
#include "app/Redraw.h"
#include "ui/dialogs/MatchFlow.h"
#include "ui/main/MainGridView.h"

#include <QPushButton>
#include <QTabBar>

void Form1::connectCommands() {
    matchFlow_ = new MatchFlow(program_, this, [this] { redrawAfterMatch(); });
    connect(tabs_, &QTabBar::tabBarClicked, this, [this](int index) {
        if (index < 0) {
            return;
        }
        layout_.tabPage_Click(program_, index + 1);
        render();
    });
    const auto button = [this](const char* name) {
        return findChild<QPushButton*>(QString::fromLatin1(name));
    };
    connect(button("Command1"), &QPushButton::clicked, this, [this] {
        Command1(program_);
        render();
    });
    connect(button("Command2"), &QPushButton::clicked, this, [this] {
        Command2(program_);
        render();
    });
    connect(button("Command3"), &QPushButton::clicked, this, [this] {
        Command3(program_);
        render();
    });
    connect(button("Command4"), &QPushButton::clicked, this, [this] {
        Command4_Click(program_, layout_);
        render();
    });
    connect(button("Command6"), &QPushButton::clicked, this, [this] {
        Command6_Click(program_, [this] { matchFlow_->showRunningList(); });
        render();
    });
    connect(grid_, &MainGridView::mouseDown, this,
            [this](int button) { Grid1_MouseDown(program_, button); });
    connect(grid_, &MainGridView::cellDoubleClicked, this, &Form1::onGridDoubleClick);
}

void Form1::onGridDoubleClick(int column, int row) {
    switch (Grid1_DblClick(program_, column, row)) {
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

void Form1::redrawAfterMatch() {
    layout_.tabPage_Click(program_, program_.state.CurrentTeam + 1);
    render();
}
