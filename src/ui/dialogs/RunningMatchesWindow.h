#pragma once

#include <QDialog>

#include <functional>

class Program;
class QTableWidget;

// The running-match list, open beside the main window without blocking it:
// one row per running match; its buttons (and a double-click) settle the
// chosen match through result entry, cancellation or forfeit.
class RunningMatchesWindow : public QDialog {
    Q_OBJECT
public:
    // redrawMain rebuilds the main window's pairing table.
    RunningMatchesWindow(Program& program, QWidget* mainWindow, std::function<void()> redrawMain);

    // Marks the list open, places it over the main window and fills it.
    void openList();
    void fillList();

    QTableWidget* grid() const { return table_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    enum class Action { Result, Cancel, Forfeit };
    void choose(Action action);

    Program& program_;
    QWidget* mainWindow_;
    std::function<void()> redrawMain_;
    QTableWidget* table_ = nullptr;
};
