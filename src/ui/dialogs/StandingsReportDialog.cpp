#include "ui/dialogs/StandingsReportDialog.h"

#include "app/Help.h"
#include "app/Program.h"
#include "app/ReportCommands.h"
#include "platform/qt/HelpShortcut.h"
#include "platform/qt/QtText.h"
#include "platform/qt/WindowPrinter.h"
#include "results/ReportTable.h"
#include "ui/dialogs/DialogPlacement.h"
#include "ui/dialogs/JapaneseFonts.h"
#include "ui/dialogs/ReportDocument.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {

QLineEdit* readOnlyBox(QWidget* parent, const QString& name) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    return box;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
    auto* created = new QPushButton(caption, parent);
    created->setObjectName(QString::fromLatin1(name));
    created->setAutoDefault(false);
    created->setMinimumWidth(110);
    return created;
}

} // namespace

StandingsReportDialog::StandingsReportDialog(Program& program, QWidget* parent)
    : QDialog(parent), program_(program) {
    setObjectName(QStringLiteral("Form11"));
    installHelpShortcut(*this, program, HelpPage::kReport);
    setWindowTitle(QStringLiteral("成績表示"));
    buildControls();
    showReportKind(ReportKind::Overall);
}

void StandingsReportDialog::buildControls() {
    title_ = readOnlyBox(this, QStringLiteral("Text7"));
    title_->setAlignment(Qt::AlignCenter);
    QFont titleFont = japaneseTextFont(16);
    titleFont.setBold(true);
    title_->setFont(titleFont);
    title_->setFrame(false);

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("List1"));
    list_->setFont(japaneseFixedFont(11));
    list_->setMinimumSize(560, 380);

    auto* totals = new QGridLayout;
    teamA_ = new QLabel(this);
    teamA_->setObjectName(QStringLiteral("Label3"));
    teamB_ = new QLabel(this);
    teamB_->setObjectName(QStringLiteral("Label4"));
    static constexpr const char* kBoxNames[] = {"Text1", "Text2", "Text5",
                                                "Text3", "Text4", "Text6"};
    for (std::size_t k = 0; k < totals_.size(); ++k) {
        totals_[k] = readOnlyBox(this, QString::fromLatin1(kBoxNames[k]));
        totals_[k]->setFont(japaneseTextFont(10.5));
        totals_[k]->setMinimumWidth(170);
        totals->addWidget(totals_[k], static_cast<int>(k / 3), static_cast<int>(k % 3) + 1);
    }
    for (QLabel* name : {teamA_, teamB_}) {
        name->setFont(japaneseTextFont(11));
        name->setMinimumWidth(110);
    }
    totals->addWidget(teamA_, 0, 0);
    totals->addWidget(teamB_, 1, 0);

    auto* kinds = new QHBoxLayout;
    const std::pair<const char*, QString> kindButtons[] = {
        {"Command1", QStringLiteral("総合順位表示")},
        {"Command2", QStringLiteral("男性順位")},
        {"Command3", QStringLiteral("女性順位")}};
    for (int kind = 0; kind < 3; ++kind) {
        QPushButton* shown = button(this, kindButtons[kind].first, kindButtons[kind].second);
        connect(shown, &QPushButton::clicked, this,
                [this, kind] { showReportKind(static_cast<ReportKind>(kind)); });
        kinds->addWidget(shown);
    }
    kinds->addStretch();

    auto* outputs = new QHBoxLayout;
    QPushButton* print = button(this, "Command5", QStringLiteral("印字"));
    connect(print, &QPushButton::clicked, this, [this] { WindowPrinter::print(*this); });
    QPushButton* table = button(this, "CmdTablePrint", QStringLiteral("一覧表印刷"));
    table->setToolTip(QStringLiteral("表示中の順位表と合計を表の形で印刷します"));
    connect(table, &QPushButton::clicked, this, &StandingsReportDialog::printTable);
    QPushButton* csv = button(this, "CmdCsv", QStringLiteral("CSV 出力"));
    csv->setToolTip(QStringLiteral("表示中の順位表と合計を CSV ファイルに保存します"));
    connect(csv, &QPushButton::clicked, this, [this] { saveReportCsv(program_, kind_); });
    QPushButton* back = button(this, "Command4", QStringLiteral("戻る"));
    connect(back, &QPushButton::clicked, this, &QDialog::accept);
    outputs->addWidget(print);
    outputs->addWidget(table);
    outputs->addWidget(csv);
    outputs->addStretch();
    outputs->addWidget(back);

    auto* page = new QVBoxLayout(this);
    page->addWidget(title_);
    page->addWidget(list_, 1);
    page->addLayout(totals);
    page->addSpacing(6);
    page->addLayout(kinds);
    page->addLayout(outputs);
}

void StandingsReportDialog::showReportKind(ReportKind kind) {
    kind_ = kind;
    const StandingsReport report = ::buildStandingsReport(program_.state, kind);
    title_->setText(toQString(report.title));
    list_->clear();
    for (const std::u16string& line : report.memberLines) {
        list_->addItem(toQString(line));
    }
    teamA_->setText(toQString(report.teamAName));
    teamB_->setText(toQString(report.teamBName));
    const std::u16string* texts[] = {&report.teamAMatches, &report.teamARecord, &report.teamAGames,
                                     &report.teamBMatches, &report.teamBRecord, &report.teamBGames};
    for (std::size_t k = 0; k < totals_.size(); ++k) {
        totals_[k]->setText(toQString(*texts[k]));
        totals_[k]->setCursorPosition(0);
    }
    teamB_->setVisible(!report.teamBHidden);
    for (std::size_t k = 3; k < totals_.size(); ++k) {
        totals_[k]->setVisible(!report.teamBHidden);
    }
}

void StandingsReportDialog::printTable() {
    QTextDocument document;
    fillReportDocument(document, reportTable(program_.state, kind_));
    WindowPrinter::printDocument(document, *this);
}

void StandingsReportDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOverParent(*this);
}
