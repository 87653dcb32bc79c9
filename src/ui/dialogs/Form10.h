#pragma once

#include <QDialog>

class Program;
class QLineEdit;

// The result correction of the remembered pairing-table cell: the score in
// Text1 (games won) and Text2 (games lost); "修正" stores it, 0 and 0
// deletes the result.
class Form10 : public QDialog {
    Q_OBJECT
public:
    Form10(Program& program, QWidget* mainWindow);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Command1_Click();

    Program& program_;
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
};
