#pragma once

#include <QDialog>

#include <functional>

class Program;

// A YES/NO box over the main window that ends the running match held in
// the picks: YES runs the release and closes, NO only closes. Keys do
// nothing here (no help page).
class ReleaseConfirmation : public QDialog {
    Q_OBJECT
public:
    ReleaseConfirmation(Program& program, QWidget* mainWindow, const QString& caption,
                        const QString& text, std::function<void(Program&)> release);

private:
    Program& program_;
    std::function<void(Program&)> release_;
};
