#pragma once

#include "matching/MainView.h"
#include "register/RegisterTypes.h"
#include "storage/MemberMaster.h"
#include "storage/PictureLookup.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class Program;

// The rules of the member master editor "マスター登録": a grid of every
// member of "tennis.mst", edit boxes that write through to the selected
// member at once, insertion and deletion of members, and writing the file
// back. The window renders grid() and boxes() and forwards its events here.
class MasterEditor {
public:
    // The edit boxes, numbered as their controls Text1 .. Text7.
    enum Box : int {
        ClassCodeBox = 1,
        NameBox = 2,
        AbbrevBox = 3,
        PhoneBox = 4,
        AddressBox = 5,
        MemoBox = 6,
        PhotoNoBox = 7,
    };

    // What the boxes and the sex buttons show for the member clicked last.
    struct BoxTexts {
        std::array<std::u16string, 8> text; // by box number; 0 unused
        bool female = false;
    };

    // A pair rule of the selected member, as the rule list shows it.
    struct PairRuleLine {
        int otherMember = 0; // master line of the other member
        PairRuleKind kind = PairRuleKind::NeverPartner;
        std::u16string text; // e.g. 「鈴木：ペアにしない」
    };
    // The club register's fields of the selected member, beside the boxes.
    struct RegisterFields {
        int level = 0; // 0 not set, else 1..5
        MemberType type = MemberType::Member;
        std::vector<PairRuleLine> rules;
    };

    static constexpr int kColumns = 10;
    // Row 0 holds the titles, row 1 is a spacer, member i is on row i + 1:
    // one row for every entry the member table can hold.
    static constexpr int kRows = kMemberTableSize + 1;

    explicit MasterEditor(Program& program);

    // Lays the grid out for its usable width and height (twips) and reads
    // the master file into it.
    void open(int gridWidth, int gridHeight);

    // A click on a grid row. True when it selected a member, whose fields
    // boxes() now holds; a row that holds no member beeps.
    bool clickRow(int row);
    // The change handlers of the boxes and of Option1 / Option2.
    void editBox(int box, std::u16string_view text);
    void clickSexOption(int option, bool selectedNow);

    void add();    // 追加: a blank member after the selection
    void remove(); // 削除: the selected member
    // 更新: writes the file; true when the editor may close.
    bool update();
    // ｷｬﾝｾﾙ or the close box: true when the editor may close.
    bool mayClose();

    // The class-code box takes only keys up to "A" (digits, signs, blank,
    // control keys).
    static bool acceptsClassCodeKey(char16_t key);
    // A box's number as the 16-bit field stores it: the leading number,
    // rounded, held to the 16-bit range.
    static std::int16_t boxNumber(std::u16string_view text);

    // The register's fields: read at open(), edited with the selection like
    // the boxes, and written with the master file by update(). A member moved
    // by 追加 / 削除 or renamed keeps them. Without an open register the
    // fields are empty and their setters do nothing.
    RegisterFields registerFields() const;
    void setLevel(int level); // 0 clears it
    void setMemberType(MemberType type);
    // A rule between the selected member and another master line; an
    // existing rule between the two is replaced.
    void addPairRule(int otherMember, PairRuleKind kind);
    void removePairRule(int index); // index into registerFields().rules

    // The picture of the selected member (its photo number, default by sex).
    PictureLookup selectedPicture() const;

    const GridModel& grid() const { return grid_; }
    const BoxTexts& boxes() const { return boxes_; }
    int selection() const { return selection_; }
    bool changed() const { return changed_; }

private:
    // The register's data of one master line while the editor is open:
    // the reference it had when the file was read (empty for a new line).
    struct LineProfile {
        std::optional<MemberRef> origin;
        int level = 0;
        MemberType type = MemberType::Member;
    };
    struct LineRule {
        int first = 0;
        int second = 0;
        PairRuleKind kind = PairRuleKind::NeverPartner;
    };

    void showRow(int member);
    MemberRef refOfLine(int line) const;
    bool editsRegister() const;
    void readRegister();
    // Writes the links, profiles and rules in one transaction; a failure
    // is told, the master file stays written.
    void writeRegister();
    // Moves the lines from `from` on by one (+1 after 追加, -1 after 削除).
    void shiftLines(int from, int by);

    std::array<LineProfile, kMemberTableSize + 1> lineProfiles_{};
    std::vector<LineRule> lineRules_;
    std::vector<MemberRef> removed_; // members 削除d since the file was read
    Program& program_;
    MemberMaster& master_;
    GridModel grid_;
    BoxTexts boxes_;
    int selection_ = 0;
    bool changed_ = false;
};
