#pragma once

#include <QGroupBox>

class MasterEditor;
class MemberMaster;
class QComboBox;
class QListWidget;

// The club register's fields of the member selected in the master editor,
// beside the master's own: the level 1–5, the member type and the pair
// rules (always partner, never partner, not as opponents), with a member
// and a kind to add a rule and 削除 for the rule selected. Every change
// goes to the editor at once and is written with the master by 更新.
class MemberRegisterFields : public QGroupBox {
    Q_OBJECT
public:
    MemberRegisterFields(MasterEditor& editor, const MemberMaster& master, QWidget* parent);

    // Shows the selected member's fields; disabled while none is selected.
    void render();

private:
    void addRule();
    void removeRule();
    void fillOtherMembers();

    MasterEditor& editor_;
    const MemberMaster& master_;
    QComboBox* level_ = nullptr;
    QComboBox* memberType_ = nullptr;
    QListWidget* rules_ = nullptr;
    QComboBox* otherMember_ = nullptr;
    QComboBox* ruleKind_ = nullptr;
};
