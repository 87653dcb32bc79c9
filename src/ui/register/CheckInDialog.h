#pragma once

#include "app/CheckIn.h"

#include <QDialog>

#include <array>
#include <functional>
#include <vector>

class Program;
class QCheckBox;
class QComboBox;
class QLabel;
class QLayout;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QTimeEdit;

// The check-in window "受付": one line per roster member with the photo,
// where the member is and since when, and the controls of that line, each
// of which does its work at once: the first button marks 到着 (then 休憩 and
// 休憩終了), the second 帰宅; the leaving time, the member type, the fee due
// and 支払済. Above, the fee of each member type; below, the meeting's
// fees due and collected. The rules are
// CheckIn's; after every action the main window is redrawn through
// `redraw`, so its pairing table shows who rests.
class CheckInDialog : public QDialog {
    Q_OBJECT
public:
    CheckInDialog(Program& program, std::function<void()> redraw, QWidget* owner);

    // False when the check-in could not open (the user was told); the
    // window is then not shown.
    bool opened() const { return opened_; }

    // The columns of the list.
    enum Column : int {
        PhotoColumn,
        NameColumn,
        TeamColumn,
        StateColumn,
        TimesColumn,
        PresenceColumn,
        LeaveColumn,
        LeavesAtColumn,
        TypeColumn,
        FeeColumn,
        PaidColumn,
        ColumnCount
    };

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The controls of one line, made once when the window opens and filled
    // again after every action.
    struct LineControls {
        QPushButton* presence = nullptr;
        QPushButton* leave = nullptr;
        QTimeEdit* leavesAt = nullptr;
        QComboBox* type = nullptr;
        QSpinBox* fee = nullptr;
        QCheckBox* paid = nullptr;
    };

    QLayout* buildFeeBoxes();
    void buildLines();
    LineControls makeLine(int row);
    void render();
    void renderLine(int row, const CheckInRow& member);
    void pressPresence(int row);
    void chooseLeavesAt(int row);
    // Every action ends here: the lines, the totals and the main window.
    void afterAction();

    Program& program_;
    std::function<void()> redraw_;
    CheckIn checkIn_;
    bool opened_ = false;
    QTableWidget* table_ = nullptr;
    QLabel* totals_ = nullptr;
    std::vector<LineControls> lines_;
    std::array<QSpinBox*, 3> typeFees_{}; // by MemberType
};
