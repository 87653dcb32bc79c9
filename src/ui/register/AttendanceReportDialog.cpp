#include "ui/register/AttendanceReportDialog.h"

#include "app/AttendanceCommands.h"
#include "app/AttendanceTable.h"
#include "app/Help.h"
#include "app/Program.h"
#include "platform/qt/HelpShortcut.h"
#include "platform/qt/QtText.h"
#include "platform/qt/WindowPrinter.h"
#include "ui/dialogs/DialogPlacement.h"
#include "ui/dialogs/JapaneseFonts.h"
#include "ui/dialogs/ReportDocument.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {

// The short name is the one text column of the member lines; the type is
// text too but short.
constexpr std::size_t kNameColumn = 1;
constexpr std::size_t kTypeColumn = 2;

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
    auto* created = new QPushButton(caption, parent);
    created->setObjectName(QString::fromLatin1(name));
    created->setAutoDefault(false);
    created->setMinimumWidth(110);
    return created;
}

} // namespace

AttendanceReportDialog::AttendanceReportDialog(Program& program, const AttendanceReport& report,
                                               QWidget* parent)
    : QDialog(parent), program_(program), table_(attendanceTable(report, program.state.openName)),
      totalsText_(attendanceTotalsText(report)) {
    setObjectName(QStringLiteral("AttendanceReport"));
    installHelpShortcut(*this, program_, HelpPage::kAttendance);
    setWindowTitle(QStringLiteral("出席・会費表"));
    buildControls();
    render();
}

void AttendanceReportDialog::buildControls() {
    title_ = new QLabel(this);
    title_->setObjectName(QStringLiteral("attendanceTitle"));
    title_->setAlignment(Qt::AlignCenter);
    QFont titleFont = japaneseTextFont(16);
    titleFont.setBold(true);
    title_->setFont(titleFont);
    subtitle_ = new QLabel(this);
    subtitle_->setAlignment(Qt::AlignCenter);

    list_ = new QTableWidget(this);
    list_->setObjectName(QStringLiteral("attendanceTable"));
    list_->setFont(japaneseTextFont(11));
    list_->verticalHeader()->hide();
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setMinimumSize(620, 380);

    totals_ = new QLabel(this);
    totals_->setObjectName(QStringLiteral("attendanceTotals"));
    totals_->setFont(japaneseTextFont(12));

    QPushButton* print = button(this, "attendancePrint", QStringLiteral("印字"));
    connect(print, &QPushButton::clicked, this, [this] { WindowPrinter::print(*this); });
    QPushButton* table = button(this, "attendanceTablePrint", QStringLiteral("一覧表印刷"));
    table->setToolTip(QStringLiteral("出席・会費表を表の形で印刷します"));
    connect(table, &QPushButton::clicked, this, &AttendanceReportDialog::printTable);
    QPushButton* csv = button(this, "attendanceCsv", QStringLiteral("CSV 出力"));
    csv->setToolTip(QStringLiteral("出席・会費表を CSV ファイルに保存します"));
    connect(csv, &QPushButton::clicked, this, [this] { saveAttendanceCsv(program_); });
    QPushButton* back = button(this, "attendanceBack", QStringLiteral("戻る"));
    connect(back, &QPushButton::clicked, this, &QDialog::accept);

    auto* outputs = new QHBoxLayout;
    outputs->addWidget(print);
    outputs->addWidget(table);
    outputs->addWidget(csv);
    outputs->addStretch();
    outputs->addWidget(back);
    auto* page = new QVBoxLayout(this);
    page->addWidget(title_);
    page->addWidget(subtitle_);
    page->addWidget(list_, 1);
    page->addWidget(totals_);
    page->addSpacing(6);
    page->addLayout(outputs);
    resize(720, 560);
}

void AttendanceReportDialog::render() {
    title_->setText(toQString(table_.title));
    subtitle_->setText(toQString(table_.subtitle));
    list_->setColumnCount(static_cast<int>(table_.memberHeadings.size()));
    QStringList headings;
    for (const std::u16string& heading : table_.memberHeadings) {
        headings << toQString(heading);
    }
    list_->setHorizontalHeaderLabels(headings);
    list_->setRowCount(static_cast<int>(table_.members.size()));
    for (std::size_t row = 0; row < table_.members.size(); ++row) {
        const ReportTable::Row& cells = table_.members[row];
        for (std::size_t column = 0; column < cells.size(); ++column) {
            auto* item = new QTableWidgetItem(toQString(cells[column]));
            // Figures stand right, as on the printed table.
            if (column != kNameColumn && column != kTypeColumn) {
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            }
            list_->setItem(static_cast<int>(row), static_cast<int>(column), item);
        }
    }
    list_->resizeColumnsToContents();
    list_->horizontalHeader()->setSectionResizeMode(static_cast<int>(kNameColumn),
                                                    QHeaderView::Stretch);
    totals_->setText(toQString(totalsText_));
}

void AttendanceReportDialog::printTable() {
    QTextDocument document;
    fillReportDocument(document, table_, kNameColumn);
    WindowPrinter::printDocument(document, *this);
}

void AttendanceReportDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOverParent(*this);
}
