#pragma once

#include "results/StandingsReport.h"

#include <QDialog>

#include <array>

class Program;
class QLabel;
class QLineEdit;
class QListWidget;

// The standings report "成績表示": the ranked list over all meetings,
// overall, men or women, and the totals of each team, as the totals view
// left them in the result table. It prints its own image, prints the list
// as a table and saves it as a CSV file.
class StandingsReportDialog : public QDialog {
    Q_OBJECT

public:
    explicit StandingsReportDialog(Program& program, QWidget* parent = nullptr);

    // Fills the report of the kind and remembers it as the one shown.
    void showReportKind(ReportKind kind);
    ReportKind shownKind() const { return kind_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void printTable();

    Program& program_;
    ReportKind kind_ = ReportKind::Overall;
    QLineEdit* title_ = nullptr;
    QListWidget* list_ = nullptr;
    QLabel* teamA_ = nullptr;
    QLabel* teamB_ = nullptr;
    // Text1, Text2, Text5 of team A, then Text3, Text4, Text6 of team B.
    std::array<QLineEdit*, 6> totals_{};
};
