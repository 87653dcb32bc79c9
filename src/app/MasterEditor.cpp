#include "app/MasterEditor.h"

#include "app/MasterFileCommands.h"
#include "app/Program.h"
#include "app/RegistrationMessages.h"
#include "platform/Platform.h"
#include "text/LeadingNumber.h"
#include "text/NumberPattern.h"
#include "text/Rounding.h"

#include <algorithm>
#include <limits>

namespace {

constexpr std::array<std::u16string_view, MasterEditor::kColumns> kTitles = {
    u"ＮＯ", u"", u"分類", u"写真", u"氏名", u"略称", u"性別", u"電話番号", u"住所", u"メモ"};

// A member slot freed by a deletion: no member, shown as a blank row.
MemberRecord emptyEntry() {
    MemberRecord entry;
    entry.sex = 9;
    return entry;
}

} // namespace

MasterEditor::MasterEditor(Program& program) : program_(program), master_(program.master) {}

void MasterEditor::open(int gridWidth, int gridHeight) {
    grid_.resize(kRows, kColumns);
    const int eighth = gridWidth / 8;
    const int third = gridWidth / 3;
    grid_.columnWidths = {eighth, 5,      eighth, eighth,    third,
                          eighth, eighth, third,  gridWidth, gridWidth};
    std::fill(grid_.rowHeights.begin(), grid_.rowHeights.end(), gridHeight / 20);
    grid_.rowHeights[1] = 5;
    for (int column = 0; column < kColumns; ++column) {
        grid_.at(0, column) = kTitles[static_cast<std::size_t>(column)];
    }

    selection_ = 0;
    changed_ = false;
    boxes_ = {};
    readMasterFile(program_.platform, master_, [this](int member) { showRow(member); });
}

void MasterEditor::showRow(int member) {
    const int row = member + 1;
    if (member < 1 || row >= kRows) {
        return;
    }
    const MemberRecord& entry = master_.members[static_cast<std::size_t>(member)];
    if (entry.sex == 9) {
        for (int column = 0; column < kColumns; ++column) {
            grid_.at(row, column).clear();
        }
        return;
    }
    grid_.at(row, 0) = formatNumber(member, u"##0");
    grid_.at(row, 2) = formatNumber(entry.classCode, u"000");
    grid_.at(row, 3) = formatNumber(entry.photoNo, u"000");
    grid_.at(row, 4) = entry.name.str();
    grid_.at(row, 5) = entry.abbrev.str();
    grid_.at(row, 6) = entry.sex == 0 ? u"男性" : u"女性";
    grid_.at(row, 7) = entry.phone.str();
    grid_.at(row, 8) = entry.address.str();
    grid_.at(row, 9) = entry.memo.str();
}

bool MasterEditor::clickRow(int row) {
    selection_ = 0;
    const int member = row - 1;
    if (member < 1 || member > master_.memberCount) {
        program_.platform.beep();
        return false;
    }
    const MemberRecord& entry = master_.members[static_cast<std::size_t>(member)];
    boxes_.text[ClassCodeBox] = formatNumber(entry.classCode, u"##0");
    boxes_.text[NameBox] = entry.name.str();
    boxes_.text[AbbrevBox] = entry.abbrev.str();
    boxes_.text[PhoneBox] = entry.phone.str();
    boxes_.text[AddressBox] = entry.address.str();
    boxes_.text[MemoBox] = entry.memo.str();
    boxes_.text[PhotoNoBox] = formatNumber(entry.photoNo, u"##0");
    boxes_.female = entry.sex != 0;
    selection_ = member;
    return true;
}

PictureLookup MasterEditor::selectedPicture() const {
    return lookupPicture(program_.workDir, boxNumber(boxes_.text[PhotoNoBox]),
                         boxes_.female ? 1 : 0);
}

std::int16_t MasterEditor::boxNumber(std::u16string_view text) {
    constexpr double low = std::numeric_limits<std::int16_t>::min();
    constexpr double high = std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(roundHalfEven(std::clamp(leadingNumber(text), low, high)));
}

bool MasterEditor::acceptsClassCodeKey(char16_t key) {
    return key <= 65;
}

void MasterEditor::editBox(int box, std::u16string_view text) {
    if (selection_ == 0) {
        return;
    }
    if (selection_ > master_.memberCount) {
        program_.platform.beep();
        return;
    }
    if (box >= ClassCodeBox && box <= PhotoNoBox) {
        boxes_.text[static_cast<std::size_t>(box)] = text;
    }
    MemberRecord& entry = master_.members[static_cast<std::size_t>(selection_)];
    switch (box) {
    case ClassCodeBox:
        entry.classCode = boxNumber(text);
        break;
    case NameBox:
        entry.name = text;
        break;
    case AbbrevBox:
        entry.abbrev = text;
        break;
    case PhoneBox:
        entry.phone = text;
        break;
    case AddressBox:
        entry.address = text;
        break;
    case MemoBox:
        entry.memo = text;
        break;
    case PhotoNoBox:
        entry.photoNo = boxNumber(text);
        break;
    default:
        return;
    }
    changed_ = true;
    showRow(selection_);
}

void MasterEditor::clickSexOption(int option, bool selectedNow) {
    if (selection_ == 0) {
        return;
    }
    if (selection_ > master_.memberCount) {
        program_.platform.beep();
        return;
    }
    const bool female = option == 2 ? selectedNow : !selectedNow;
    master_.members[static_cast<std::size_t>(selection_)].sex = female ? 1 : 0;
    boxes_.female = female;
    changed_ = true;
    showRow(selection_);
}

void MasterEditor::add() {
    auto& table = master_.members;
    if (master_.memberCount < 1) {
        selection_ = 0;
    } else if (master_.memberCount >= kMaxMembers) {
        program_.platform.beep();
        return;
    } else {
        // After the last member was deleted the selection lies past the end;
        // the new member then follows the last one, so the table keeps no gap.
        selection_ = std::min<int>(selection_, master_.memberCount);
        for (int i = master_.memberCount; i >= selection_ + 1; --i) {
            table[static_cast<std::size_t>(i + 1)] = table[static_cast<std::size_t>(i)];
            showRow(i + 1);
        }
    }
    ++master_.memberCount;
    table[static_cast<std::size_t>(selection_ + 1)] = MemberRecord{};
    changed_ = true;
    showRow(selection_ + 1);
}

void MasterEditor::remove() {
    auto& table = master_.members;
    if (selection_ == 0 || selection_ > master_.memberCount) {
        program_.platform.beep();
        return;
    }
    for (int i = selection_; i < master_.memberCount; ++i) {
        table[static_cast<std::size_t>(i)] = table[static_cast<std::size_t>(i + 1)];
        showRow(i);
    }
    const int last = master_.memberCount;
    table[static_cast<std::size_t>(last)] = emptyEntry();
    --master_.memberCount;
    changed_ = true;
    showRow(last);
}

bool MasterEditor::update() {
    // Names are fixed-length fields, so they already go out padded with blanks.
    if (!writeMasterFile(program_.platform, master_)) {
        // The failure was reported and asks to try again: the edits stay.
        return false;
    }
    changed_ = false;
    return true;
}

bool MasterEditor::mayClose() {
    return !changed_ || program_.platform.askYesNo(kDiscardChangesQuestion, kAppTitle);
}
