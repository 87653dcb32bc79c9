#pragma once

#include "app/TeamInfo.h"

#include <QDialog>

#include <array>

class Program;
class QLineEdit;
class QRadioButton;

// The team information dialog "チーム名称設定", modal: the meeting's title,
// the team names and the match method. The rules are TeamInfo's.
class TeamInfoDialog : public QDialog {
    Q_OBJECT
public:
    TeamInfoDialog(Program& program, QWidget* owner);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void selectMethod();

    Program& program_;
    TeamInfo info_;
    QLineEdit* title_ = nullptr;
    QLineEdit* nameA_ = nullptr;
    QLineEdit* nameB_ = nullptr;
    std::array<QRadioButton*, 3> methods_{};
};
