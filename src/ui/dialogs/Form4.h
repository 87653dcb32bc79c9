#pragma once

#include <QDialog>

#include <memory>

class MatchSidesWidgets;
class Program;

// The pairing confirmation: shows the two picked sides with photographs;
// "決定" starts the match, "ｷｬﾝｾﾙ" lets the picks go.
class Form4 : public QDialog {
    Q_OBJECT
public:
    Form4(Program& program, QWidget* mainWindow);
    ~Form4() override;

    // True once "決定" was pressed, whether or not the match could start.
    bool decided() const { return decided_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Command1_Click();
    void Command2_Click();

    Program& program_;
    std::unique_ptr<MatchSidesWidgets> sides_;
    bool decided_ = false;
};
