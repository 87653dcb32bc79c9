#include "ui/register/CheckInDialog.h"

#include "app/Help.h"
#include "app/Program.h"
#include "platform/qt/HelpShortcut.h"
#include "platform/qt/QtText.h"
#include "ui/dialogs/DialogPlacement.h"
#include "ui/dialogs/JapaneseFonts.h"
#include "ui/dialogs/PictureFit.h"

#include <QBrush>
#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace {

constexpr QSize kPhotoSize(40, 46);
constexpr int kSecondsPerDay = 24 * 60 * 60;
constexpr int kHighestFee = 100000;
constexpr int kFeeStep = 100;

const QStringList kHeadings = {
    QStringLiteral("写真"), QStringLiteral("略称"),     QStringLiteral("チーム"),
    QStringLiteral("状態"), QStringLiteral("時刻"),     QStringLiteral("受付"),
    QStringLiteral("帰宅"), QStringLiteral("帰宅予定"), QStringLiteral("種別"),
    QStringLiteral("会費"), QStringLiteral("支払済")};

// The first button says what one press records next.
QString presenceCaption(PresenceState state) {
    switch (state) {
    case PresenceState::Present:
        return QStringLiteral("休憩");
    case PresenceState::OnBreak:
        return QStringLiteral("休憩終了");
    case PresenceState::NotArrived:
    case PresenceState::Gone:
        break;
    }
    return QStringLiteral("到着");
}

// The state cell's colour tells at a glance who is here: green present,
// yellow on a break, grey gone, none not arrived yet.
QBrush stateBrush(PresenceState state) {
    switch (state) {
    case PresenceState::Present:
        return QColor(0xc8, 0xf0, 0xc8);
    case PresenceState::OnBreak:
        return QColor(0xff, 0xf0, 0xa0);
    case PresenceState::Gone:
        return QColor(0xd8, 0xd8, 0xd8);
    case PresenceState::NotArrived:
        break;
    }
    return {};
}

QString yen(int amount) {
    return QLocale(QLocale::Japanese).toString(amount) + QStringLiteral("円");
}

QTableWidgetItem* textItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled);
    return item;
}

QSpinBox* feeBox(QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setRange(0, kHighestFee);
    box->setSingleStep(kFeeStep);
    box->setSuffix(QStringLiteral(" 円"));
    return box;
}

} // namespace

CheckInDialog::CheckInDialog(Program& program, std::function<void()> redraw, QWidget* owner)
    : QDialog(owner), program_(program), redraw_(std::move(redraw)), checkIn_(program) {
    setObjectName(QStringLiteral("CheckIn"));
    setWindowTitle(QStringLiteral("受付"));
    setModal(true);
    installHelpShortcut(*this, program_, HelpPage::kCheckIn);

    auto* note =
        new QLabel(QStringLiteral("到着した人の「到着」を押して下さい。時刻はその場で記録されます。"
                                  "未着・休憩中・帰宅の人は組合せ表で「休」になります。"),
                   this);
    note->setWordWrap(true);

    table_ = new QTableWidget(0, ColumnCount, this);
    table_->setObjectName(QStringLiteral("checkInTable"));
    table_->setHorizontalHeaderLabels(kHeadings);
    table_->verticalHeader()->hide();
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setIconSize(kPhotoSize);
    table_->setFont(japaneseTextFont(11));
    table_->verticalHeader()->setDefaultSectionSize(kPhotoSize.height() + 6);

    totals_ = new QLabel(this);
    totals_->setObjectName(QStringLiteral("feeTotals"));
    totals_->setFont(japaneseTextFont(12));
    auto* close = new QPushButton(QStringLiteral("閉じる"), this);
    close->setObjectName(QStringLiteral("closeCheckIn"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(totals_, 1);
    bottom->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addLayout(buildFeeBoxes());
    layout->addWidget(table_, 1);
    layout->addLayout(bottom);

    opened_ = checkIn_.open();
    if (opened_) {
        buildLines();
        render();
    }
    resize(980, 620);
}

// The fee of each type; a change is the fee due of everybody of that type
// not yet checked in.
QLayout* CheckInDialog::buildFeeBoxes() {
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("会費："), this));
    const FeeTable fees = checkIn_.feeTable();
    for (const MemberType type : kMemberTypes) {
        QSpinBox* box = feeBox(this);
        box->setObjectName(QStringLiteral("typeFee%1").arg(static_cast<int>(type)));
        box->setValue(fees.feeOf(type));
        connect(box, &QSpinBox::editingFinished, this, [this, type, box] {
            FeeTable changed = checkIn_.feeTable();
            if (box->value() == changed.feeOf(type)) {
                return;
            }
            changed.fee.at(static_cast<std::size_t>(type)) = box->value();
            checkIn_.setFeeTable(changed);
            opened_ = checkIn_.open();
            afterAction();
        });
        row->addWidget(new QLabel(toQString(memberTypeLabel(type)), this));
        row->addWidget(box);
        typeFees_.at(static_cast<std::size_t>(type)) = box;
    }
    row->addStretch();
    return row;
}

void CheckInDialog::buildLines() {
    const std::vector<CheckInRow>& rows = checkIn_.rows();
    table_->setRowCount(static_cast<int>(rows.size()));
    lines_.clear();
    bool twoTeams = false;
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        const CheckInRow& member = rows[static_cast<std::size_t>(row)];
        twoTeams = twoTeams || member.team != 0;
        auto* photo = textItem({});
        if (member.picture.found) {
            photo->setData(Qt::DecorationRole,
                           fitPicture(QString::fromStdString(
                                          (program_.workDir / member.picture.fileName).string()),
                                      kPhotoSize, *table_));
        }
        table_->setItem(row, PhotoColumn, photo);
        table_->setItem(row, NameColumn, textItem(toQString(member.name)));
        table_->setItem(row, TeamColumn,
                        textItem(toQString(member.team == 0 ? program_.state.teamNameA
                                                            : program_.state.teamNameB)));
        table_->setItem(row, StateColumn, textItem({}));
        table_->setItem(row, TimesColumn, textItem({}));
        lines_.push_back(makeLine(row));
    }
    table_->setColumnHidden(TeamColumn, !twoTeams);
    table_->setColumnWidth(PhotoColumn, kPhotoSize.width() + 8);
    table_->resizeColumnToContents(NameColumn);
    table_->resizeColumnToContents(TeamColumn);
    table_->setColumnWidth(StateColumn, 64);
    for (const auto& [column, width] :
         {std::pair{PresenceColumn, 84}, std::pair{LeaveColumn, 56}, std::pair{LeavesAtColumn, 76},
          std::pair{TypeColumn, 84}, std::pair{FeeColumn, 92}, std::pair{PaidColumn, 80}}) {
        table_->setColumnWidth(column, width);
    }
    // The times take what is left.
    table_->horizontalHeader()->setSectionResizeMode(TimesColumn, QHeaderView::Stretch);
}

CheckInDialog::LineControls CheckInDialog::makeLine(int row) {
    LineControls line;
    line.presence = new QPushButton(table_);
    line.presence->setAutoDefault(false);
    connect(line.presence, &QPushButton::clicked, this, [this, row] { pressPresence(row); });
    line.leave = new QPushButton(QStringLiteral("帰宅"), table_);
    line.leave->setAutoDefault(false);
    connect(line.leave, &QPushButton::clicked, this, [this, row] {
        checkIn_.leave(row);
        afterAction();
    });
    // The earliest time of the day stands for "no leaving time".
    line.leavesAt = new QTimeEdit(table_);
    line.leavesAt->setDisplayFormat(QStringLiteral("HH:mm"));
    line.leavesAt->setSpecialValueText(QStringLiteral("－"));
    line.leavesAt->setMinimumTime(QTime(0, 0));
    connect(line.leavesAt, &QTimeEdit::editingFinished, this, [this, row] { chooseLeavesAt(row); });
    line.type = new QComboBox(table_);
    for (const MemberType type : kMemberTypes) {
        line.type->addItem(toQString(memberTypeLabel(type)));
    }
    connect(line.type, &QComboBox::activated, this, [this, row](int index) {
        checkIn_.setType(row, kMemberTypes.at(static_cast<std::size_t>(index)));
        afterAction();
    });
    line.fee = feeBox(table_);
    connect(line.fee, &QSpinBox::editingFinished, this, [this, row] {
        const int yen = lines_.at(static_cast<std::size_t>(row)).fee->value();
        if (yen != checkIn_.rows().at(static_cast<std::size_t>(row)).feeDue) {
            checkIn_.setFeeDue(row, yen);
            afterAction();
        }
    });
    line.paid = new QCheckBox(QStringLiteral("支払済"), table_);
    connect(line.paid, &QCheckBox::clicked, this, [this, row](bool ticked) {
        checkIn_.setPaid(row, ticked);
        afterAction();
    });
    table_->setCellWidget(row, PresenceColumn, line.presence);
    table_->setCellWidget(row, LeaveColumn, line.leave);
    table_->setCellWidget(row, LeavesAtColumn, line.leavesAt);
    table_->setCellWidget(row, TypeColumn, line.type);
    table_->setCellWidget(row, FeeColumn, line.fee);
    table_->setCellWidget(row, PaidColumn, line.paid);
    return line;
}

void CheckInDialog::render() {
    const std::vector<CheckInRow>& rows = checkIn_.rows();
    const std::size_t shown = std::min(rows.size(), lines_.size());
    for (std::size_t row = 0; row < shown; ++row) {
        renderLine(static_cast<int>(row), rows[row]);
    }
    const MeetingFees fees = checkIn_.fees();
    totals_->setText(QStringLiteral("到着 %1人　　会費 予定 %2　　入金 %3")
                         .arg(fees.arrived)
                         .arg(yen(fees.due), yen(fees.collected)));
}

void CheckInDialog::renderLine(int row, const CheckInRow& member) {
    table_->item(row, StateColumn)->setText(toQString(member.stateLabel));
    table_->item(row, StateColumn)->setBackground(stateBrush(member.state));
    table_->item(row, TimesColumn)->setText(toQString(member.timesText));
    const LineControls& line = lines_.at(static_cast<std::size_t>(row));
    line.presence->setText(presenceCaption(member.state));
    line.presence->setEnabled(member.state != PresenceState::Gone);
    line.leave->setEnabled(member.state == PresenceState::Present ||
                           member.state == PresenceState::OnBreak);
    {
        const QSignalBlocker quiet(line.leavesAt);
        line.leavesAt->setTime(member.leavesAt ? QTime(0, 0).addSecs(static_cast<int>(
                                                     *member.leavesAt % kSecondsPerDay))
                                               : QTime(0, 0));
    }
    {
        const QSignalBlocker quiet(line.type);
        line.type->setCurrentIndex(static_cast<int>(member.type));
    }
    {
        const QSignalBlocker quiet(line.fee);
        line.fee->setValue(member.feeDue);
    }
    {
        const QSignalBlocker quiet(line.paid);
        line.paid->setChecked(member.paid);
    }
}

void CheckInDialog::pressPresence(int row) {
    switch (checkIn_.rows().at(static_cast<std::size_t>(row)).state) {
    case PresenceState::NotArrived:
        checkIn_.arrive(row);
        break;
    case PresenceState::Present:
        checkIn_.startBreak(row);
        break;
    case PresenceState::OnBreak:
        checkIn_.endBreak(row);
        break;
    case PresenceState::Gone:
        return;
    }
    afterAction();
}

void CheckInDialog::chooseLeavesAt(int row) {
    const QTime chosen = lines_.at(static_cast<std::size_t>(row)).leavesAt->time();
    const std::optional<int> minute =
        chosen == QTime(0, 0) ? std::nullopt
                              : std::optional<int>(chosen.msecsSinceStartOfDay() / 60000);
    const std::optional<long long>& stored =
        checkIn_.rows().at(static_cast<std::size_t>(row)).leavesAt;
    const std::optional<int> storedMinute =
        stored ? std::optional<int>(static_cast<int>(*stored % kSecondsPerDay / 60)) : std::nullopt;
    // Leaving the box unchanged records nothing.
    if (minute != storedMinute) {
        checkIn_.setLeavesAt(row, minute);
        afterAction();
    }
}

void CheckInDialog::afterAction() {
    render();
    redraw_();
}

void CheckInDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOverParent(*this);
}
