#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

enum class PickOutcome;
struct Suggestion;

class RunningMatchesWindow;
class Program;
class QWidget;

// The main window's road of a match through the dialogs: a pick on the
// pairing table, the confirmation, the running-match list (one, kept
// beside the main window), corrections and the completion menu. The main
// window forwards its events here; redraw rebuilds its pairing table and
// shows the tab of currentTeam.
class MatchFlow : public QObject {
    Q_OBJECT
public:
    MatchFlow(Program& program, QWidget* mainWindow, std::function<void()> redraw);

    // A left double-click on cell (column, row) that the main window let
    // through to pair selection.
    void pickCell(int column, int row);
    // A suggestion chosen on the suggestion panel: its cells are picked as
    // double-clicks would pick them, then the same road as pickCell.
    void pickSuggestion(const Suggestion& suggestion);
    // Opens (or brings up) the running-match list and refreshes it.
    void showRunningList();
    // Opens the result correction for correctionCell, then redraws.
    void correctCell();
    // "完了報告(&E)": "終了(&E)" and "終了戻し(&C)", then the redraw when the
    // meeting in memory changed.
    void completeMeeting();
    void undoCompletion();

    // The list window while it exists, else null.
    RunningMatchesWindow* runningList() const;

private:
    void afterPick(PickOutcome outcome);

    Program& program_;
    QWidget* mainWindow_;
    std::function<void()> redraw_;
    QPointer<RunningMatchesWindow> runningList_;
};
