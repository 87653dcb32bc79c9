#include "ui/dialogs/MatchFlow.h"

#include "app/MeetingCompletion.h"
#include "app/Program.h"
#include "app/SuggestedPicks.h"
#include "matching/PairSelection.h"
#include "ui/dialogs/PairingConfirmationDialog.h"
#include "ui/dialogs/ResultCorrectionDialog.h"
#include "ui/dialogs/RunningMatchesWindow.h"

MatchFlow::MatchFlow(Program& program, QWidget* mainWindow, std::function<void()> redraw)
    : QObject(mainWindow), program_(program), mainWindow_(mainWindow), redraw_(std::move(redraw)) {}

void MatchFlow::pickCell(int column, int row) {
    afterPick(selectPair(program_.state, program_.platform, column, row));
}

void MatchFlow::pickSuggestion(const Suggestion& suggestion) {
    const PickOutcome outcome = makeSuggestedPicks(program_, suggestion);
    if (outcome == PickOutcome::Refused) {
        // The selection was cleared: the table shows it.
        redraw_();
        return;
    }
    afterPick(outcome);
}

void MatchFlow::afterPick(PickOutcome outcome) {
    if (outcome == PickOutcome::Refused) {
        return;
    }
    if (outcome == PickOutcome::Complete) {
        PairingConfirmationDialog confirmation(program_, mainWindow_);
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
        runningList_ = new RunningMatchesWindow(program_, mainWindow_, redraw_);
    }
    runningList_->openList();
}

RunningMatchesWindow* MatchFlow::runningList() const {
    return runningList_;
}

void MatchFlow::correctCell() {
    ResultCorrectionDialog(program_, mainWindow_).exec();
    redraw_();
}

void MatchFlow::completeMeeting() {
    if (::completeMeeting(program_)) {
        redraw_();
    }
}

void MatchFlow::undoCompletion() {
    if (::undoCompletion(program_)) {
        redraw_();
    }
}
