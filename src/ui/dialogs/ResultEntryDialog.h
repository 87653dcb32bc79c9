#pragma once

#include <QDialog>

#include <memory>

class MatchSidesWidgets;
class Program;
class QLineEdit;

// The result entry of the running match held in the picks: the games of
// each side in Text1 and Text2; "決定" stores them, ｷｬﾝｾﾙ changes nothing.
class ResultEntryDialog : public QDialog {
    Q_OBJECT
public:
    ResultEntryDialog(Program& program, QWidget* mainWindow);
    ~ResultEntryDialog() override;

private:
    void acceptResult();

    Program& program_;
    std::unique_ptr<MatchSidesWidgets> sides_;
    QLineEdit* gamesA_ = nullptr;
    QLineEdit* gamesB_ = nullptr;
};
