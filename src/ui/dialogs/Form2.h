#pragma once

#include <QDialog>

#include <functional>

class Program;
class QTableWidget;

// The running-match list, open beside the main window without blocking it:
// one row per running match; its buttons (and a double-click) settle the
// chosen match through result entry, cancellation or forfeit.
class Form2 : public QDialog {
    Q_OBJECT
public:
    // redrawMain rebuilds the main window's pairing table.
    Form2(Program& program, QWidget* mainWindow, std::function<void()> redrawMain);

    // Marks the list open, places it over the main window and fills it.
    void openList();
    void RunDsp();

    QTableWidget* grid() const { return Grid1; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    enum class Action { Result, Cancel, Forfeit };
    void choose(Action action);

    Program& program_;
    QWidget* mainWindow_;
    std::function<void()> redrawMain_;
    QTableWidget* Grid1 = nullptr;
};
