#include "ui/register/MemberRegisterFields.h"

#include "app/MasterEditor.h"
#include "platform/qt/QtText.h"
#include "register/PairRuleLabel.h"
#include "storage/MemberMaster.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

constexpr std::array<PairRuleKind, 3> kRuleKinds = {
    PairRuleKind::AlwaysPartner, PairRuleKind::NeverPartner, PairRuleKind::NotOpponents};

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
    auto* created = new QPushButton(caption, parent);
    created->setObjectName(QString::fromLatin1(name));
    created->setAutoDefault(false);
    return created;
}

} // namespace

MemberRegisterFields::MemberRegisterFields(MasterEditor& editor, const MemberMaster& master,
                                           QWidget* parent)
    : QGroupBox(QStringLiteral("会員台帳"), parent), editor_(editor), master_(master) {
    setObjectName(QStringLiteral("registerFields"));
    level_ = new QComboBox(this);
    level_->setObjectName(QStringLiteral("levelBox"));
    level_->addItem(QStringLiteral("－"));
    for (int level = kLowestLevel; level <= kHighestLevel; ++level) {
        level_->addItem(QString::number(level));
    }
    connect(level_, &QComboBox::activated, this, [this](int index) { editor_.setLevel(index); });
    memberType_ = new QComboBox(this);
    memberType_->setObjectName(QStringLiteral("memberTypeBox"));
    for (const MemberType type : kMemberTypes) {
        memberType_->addItem(toQString(memberTypeLabel(type)));
    }
    connect(memberType_, &QComboBox::activated, this, [this](int index) {
        editor_.setMemberType(kMemberTypes.at(static_cast<std::size_t>(index)));
    });

    rules_ = new QListWidget(this);
    rules_->setObjectName(QStringLiteral("pairRuleList"));
    rules_->setMaximumHeight(80);
    otherMember_ = new QComboBox(this);
    otherMember_->setObjectName(QStringLiteral("pairRuleMember"));
    otherMember_->setMinimumContentsLength(8);
    ruleKind_ = new QComboBox(this);
    ruleKind_->setObjectName(QStringLiteral("pairRuleKind"));
    for (const PairRuleKind kind : kRuleKinds) {
        ruleKind_->addItem(toQString(pairRuleKindLabel(kind)));
    }
    QPushButton* add = button(this, "addPairRule", QStringLiteral("決まり追加"));
    connect(add, &QPushButton::clicked, this, &MemberRegisterFields::addRule);
    QPushButton* remove = button(this, "removePairRule", QStringLiteral("決まり削除"));
    connect(remove, &QPushButton::clicked, this, &MemberRegisterFields::removeRule);

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("レベル"), this), 0, 0);
    layout->addWidget(level_, 0, 1);
    layout->addWidget(new QLabel(QStringLiteral("種別"), this), 0, 2);
    layout->addWidget(memberType_, 0, 3);
    layout->addWidget(new QLabel(QStringLiteral("ペアの決まり"), this), 1, 0);
    layout->addWidget(rules_, 1, 1, 1, 3);
    layout->addWidget(remove, 1, 4, Qt::AlignTop);
    layout->addWidget(otherMember_, 2, 1);
    layout->addWidget(ruleKind_, 2, 2, 1, 2);
    layout->addWidget(add, 2, 4);
    render();
}

void MemberRegisterFields::render() {
    setEnabled(editor_.selection() > 0 && editor_.selection() <= master_.memberCount);
    const MasterEditor::RegisterFields fields = editor_.registerFields();
    {
        const QSignalBlocker quiet(level_);
        level_->setCurrentIndex(fields.level);
    }
    {
        const QSignalBlocker quiet(memberType_);
        memberType_->setCurrentIndex(static_cast<int>(fields.type));
    }
    rules_->clear();
    for (const MasterEditor::PairRuleLine& rule : fields.rules) {
        rules_->addItem(toQString(rule.text));
    }
    fillOtherMembers();
}

// Every member of the master but the selected one, by line and short name
// as the editor holds them now.
void MemberRegisterFields::fillOtherMembers() {
    const QSignalBlocker quiet(otherMember_);
    const int chosen = otherMember_->currentData().toInt();
    otherMember_->clear();
    for (int line = 1; line <= master_.memberCount; ++line) {
        const MemberRecord& member = master_.members.at(static_cast<std::size_t>(line));
        if (line == editor_.selection() || member.sex == 9) {
            continue;
        }
        otherMember_->addItem(
            QStringLiteral("%1 %2").arg(line).arg(toQString(member.abbrev.str()).trimmed()), line);
    }
    otherMember_->setCurrentIndex(std::max(0, otherMember_->findData(chosen)));
}

void MemberRegisterFields::addRule() {
    if (otherMember_->currentIndex() < 0) {
        return;
    }
    editor_.addPairRule(otherMember_->currentData().toInt(),
                        kRuleKinds.at(static_cast<std::size_t>(ruleKind_->currentIndex())));
    render();
}

void MemberRegisterFields::removeRule() {
    if (rules_->currentRow() < 0) {
        return;
    }
    editor_.removePairRule(rules_->currentRow());
    render();
}
