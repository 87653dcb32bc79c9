#include "ui/main/Form1.h"

#include "app/MainButtons.h"
#include "app/MainGridEvents.h"
#include "app/Program.h"
#include "app/Redraw.h"
#include "ui/main/MainGridView.h"

#include <QDialog>
#include <QPushButton>
#include <QTabBar>
#include <QTableWidget>
#include <QVBoxLayout>

void Form1::connectCommands() {
    connect(tabs_, &QTabBar::tabBarClicked, this, [this](int index) {
        if (index < 0) {
            return;
        }
        layout_.tabPage_Click(program_, index + 1);
        render();
    });
    connect(findChild<QPushButton*>(QStringLiteral("Command4")), &QPushButton::clicked, this,
            [this] {
                Command4_Click(program_, layout_);
                render();
            });
    connect(findChild<QPushButton*>(QStringLiteral("Command6")), &QPushButton::clicked, this,
            [this] {
                Command6_Click(program_, [this] { openRunningList(); });
                render();
            });
    connect(grid_, &MainGridView::mouseDown, this,
            [this](int button) { Grid1_MouseDown(program_, button); });
    connect(grid_, &MainGridView::cellDoubleClicked, this, &Form1::onGridDoubleClick);
}

// A correction opens the result correction dialog and a pick goes on to the
// pairing confirmation; both windows come with the match part of the
// program. Until they are attached the table is only redrawn.
void Form1::onGridDoubleClick(int column, int row) {
    switch (Grid1_DblClick(program_, column, row)) {
    case GridOutcome::Refused:
        return;
    case GridOutcome::Correction:
    case GridOutcome::Pick:
        redraw(program_);
        render();
        return;
    }
}

// Temporary: an empty list window stands in for the running-match list of
// the match part of the program.
void Form1::openRunningList() {
    if (!runningList_) {
        auto* list = new QDialog(this);
        list->setObjectName(QStringLiteral("Form2"));
        list->setAttribute(Qt::WA_DeleteOnClose);
        list->setWindowTitle(QStringLiteral("試合中表示"));
        auto* table = new QTableWidget(0, 5, list);
        table->setObjectName(QStringLiteral("Grid1"));
        auto* box = new QVBoxLayout(list);
        box->addWidget(table);
        list->resize(480, 320);
        runningList_ = list;
    }
    runningList_->show();
    runningList_->raise();
}
