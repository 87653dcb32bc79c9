#include "ui/dialogs/MatchFlow.h"

#include "app/Program.h"
#include "matching/PairSelection.h"
#include "results/MeetingCompletion.h"
#include "ui/dialogs/Form10.h"
#include "ui/dialogs/Form2.h"
#include "ui/dialogs/Form4.h"

MatchFlow::MatchFlow(Program& program, QWidget* mainWindow, std::function<void()> redraw)
    : QObject(mainWindow), program_(program), mainWindow_(mainWindow), redraw_(std::move(redraw)) {}

void MatchFlow::pickCell(int column, int row) {
    const PickOutcome outcome = selectPair(program_.state, program_.platform, column, row);
    if (outcome == PickOutcome::Refused) {
        return;
    }
    if (outcome == PickOutcome::Complete) {
        Form4 confirmation(program_, mainWindow_);
        confirmation.exec();
        const bool decided = confirmation.decided();
        endSelection(program_.state);
        if (decided) {
            showRunningList();
        }
    }
    redraw_();
}

void MatchFlow::showRunningList() {
    if (runningList_ == nullptr) {
        runningList_ = new Form2(program_, mainWindow_, redraw_);
    }
    runningList_->openList();
}

Form2* MatchFlow::runningList() const {
    return runningList_;
}

void MatchFlow::correctCell() {
    Form10(program_, mainWindow_).exec();
    redraw_();
}

void MatchFlow::completionMenu(int index) {
    if (mnenditem_Click(program_, index)) {
        redraw_();
    }
}
