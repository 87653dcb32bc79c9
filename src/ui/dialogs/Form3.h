#pragma once

#include <QDialog>

#include <memory>

class MatchSidesWidgets;
class Program;
class QLineEdit;

// The result entry of the running match held in the picks: the games of
// each side in Text1 and Text2; "決定" stores them, ｷｬﾝｾﾙ changes nothing.
class Form3 : public QDialog {
    Q_OBJECT
public:
    Form3(Program& program, QWidget* mainWindow);
    ~Form3() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Command1_Click();

    Program& program_;
    std::unique_ptr<MatchSidesWidgets> sides_;
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
};
