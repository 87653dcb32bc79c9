#pragma once

#include "register/AttendanceReport.h"
#include "results/ReportTable.h"

#include <QDialog>

class Program;
class QLabel;
class QTableWidget;

// The season attendance report "出席・会費表": for every member the meetings
// attended, the rate and the fees due and paid, and the season's totals. It
// prints its own image, prints the list as a table and saves it as a CSV
// file. It shows the report it is given; the main window gives the current
// data file's.
class AttendanceReportDialog : public QDialog {
    Q_OBJECT
public:
    AttendanceReportDialog(Program& program, const AttendanceReport& report, QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void render();
    void printTable();

    Program& program_;
    ReportTable table_;
    std::u16string totalsText_;
    QLabel* title_ = nullptr;
    QLabel* subtitle_ = nullptr;
    QTableWidget* list_ = nullptr;
    QLabel* totals_ = nullptr;
};
