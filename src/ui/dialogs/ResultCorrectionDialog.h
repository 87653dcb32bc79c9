#pragma once

#include <QDialog>

class Program;
class QLineEdit;

// The result correction of the remembered pairing-table cell: the score in
// Text1 (games won) and Text2 (games lost); "修正" stores it, 0 and 0
// deletes the result.
class ResultCorrectionDialog : public QDialog {
    Q_OBJECT
public:
    ResultCorrectionDialog(Program& program, QWidget* mainWindow);

private:
    void acceptCorrection();

    Program& program_;
    QLineEdit* gamesWon_ = nullptr;
    QLineEdit* gamesLost_ = nullptr;
};
