#include "app/MasterEditor.h"

#include "app/MasterLines.h"
#include "app/Program.h"
#include "app/RegisterLink.h"
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
    entry.Sex = 9;
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
    master_.readFile([this](int member) { showRow(member); });
    readRegister();
}

void MasterEditor::showRow(int member) {
    const int row = member + 1;
    if (member < 1 || row >= kRows) {
        return;
    }
    const MemberRecord& entry = master_.members[static_cast<std::size_t>(member)];
    if (entry.Sex == 9) {
        for (int column = 0; column < kColumns; ++column) {
            grid_.at(row, column).clear();
        }
        return;
    }
    grid_.at(row, 0) = formatNumber(member, u"##0");
    grid_.at(row, 2) = formatNumber(entry.ClassCode, u"000");
    grid_.at(row, 3) = formatNumber(entry.PhotoNo, u"000");
    grid_.at(row, 4) = entry.Name.str();
    grid_.at(row, 5) = entry.Abbrev.str();
    grid_.at(row, 6) = entry.Sex == 0 ? u"男性" : u"女性";
    grid_.at(row, 7) = entry.Phone.str();
    grid_.at(row, 8) = entry.Address.str();
    grid_.at(row, 9) = entry.Memo.str();
}

bool MasterEditor::clickRow(int row) {
    selection_ = 0;
    const int member = row - 1;
    if (member < 1 || member > master_.memberCount) {
        program_.platform.beep();
        return false;
    }
    const MemberRecord& entry = master_.members[static_cast<std::size_t>(member)];
    boxes_.text[ClassCodeBox] = formatNumber(entry.ClassCode, u"##0");
    boxes_.text[NameBox] = entry.Name.str();
    boxes_.text[AbbrevBox] = entry.Abbrev.str();
    boxes_.text[PhoneBox] = entry.Phone.str();
    boxes_.text[AddressBox] = entry.Address.str();
    boxes_.text[MemoBox] = entry.Memo.str();
    boxes_.text[PhotoNoBox] = formatNumber(entry.PhotoNo, u"##0");
    boxes_.female = entry.Sex != 0;
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
        entry.ClassCode = boxNumber(text);
        break;
    case NameBox:
        entry.Name = text;
        break;
    case AbbrevBox:
        entry.Abbrev = text;
        break;
    case PhoneBox:
        entry.Phone = text;
        break;
    case AddressBox:
        entry.Address = text;
        break;
    case MemoBox:
        entry.Memo = text;
        break;
    case PhotoNoBox:
        entry.PhotoNo = boxNumber(text);
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
    master_.members[static_cast<std::size_t>(selection_)].Sex = female ? 1 : 0;
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
    shiftLines(selection_ + 1, 1);
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
    if (const auto& origin = lineProfiles_[static_cast<std::size_t>(selection_)].origin) {
        removed_.push_back(*origin);
    }
    shiftLines(selection_ + 1, -1);
    const int last = master_.memberCount;
    table[static_cast<std::size_t>(last)] = emptyEntry();
    --master_.memberCount;
    changed_ = true;
    showRow(last);
}

bool MasterEditor::update() {
    // Names are fixed-length fields, so they already go out padded with blanks.
    if (!master_.writeFile()) {
        // The failure was reported and asks to try again: the edits stay.
        return false;
    }
    writeRegister();
    changed_ = false;
    return true;
}

bool MasterEditor::mayClose() {
    return !changed_ || program_.platform.askYesNo(kDiscardChangesQuestion, kAppTitle);
}

MemberRef MasterEditor::refOfLine(int line) const {
    return {line, shownName(master_.members[static_cast<std::size_t>(line)].Abbrev.str())};
}

void MasterEditor::readRegister() {
    lineProfiles_ = {};
    lineRules_.clear();
    removed_.clear();
    ClubRegister& club = program_.clubRegister;
    if (!club.isOpen()) {
        return;
    }
    const int count = std::clamp<int>(master_.memberCount, 0, kMaxMembers);
    for (int line = 1; line <= count; ++line) {
        LineProfile& profile = lineProfiles_[static_cast<std::size_t>(line)];
        profile.origin = refOfLine(line);
        if (const std::optional<MemberProfile> known = club.profile(*profile.origin)) {
            profile.level = known->level;
            profile.type = known->type;
        }
    }
    const auto lineOf = [&](const MemberRef& member) {
        for (int line = 1; line <= count; ++line) {
            if (lineProfiles_[static_cast<std::size_t>(line)].origin == member) {
                return line;
            }
        }
        return 0;
    };
    for (const PairRule& rule : club.pairRules()) {
        const int first = lineOf(rule.first);
        const int second = lineOf(rule.second);
        if (first != 0 && second != 0) {
            lineRules_.push_back({first, second, rule.kind});
        }
    }
}

void MasterEditor::shiftLines(int from, int by) {
    const int count = std::clamp<int>(master_.memberCount, 0, kMaxMembers);
    if (by > 0) {
        for (int line = count; line >= from; --line) {
            lineProfiles_[static_cast<std::size_t>(line + 1)] =
                lineProfiles_[static_cast<std::size_t>(line)];
        }
        lineProfiles_[static_cast<std::size_t>(from)] = {};
    } else {
        for (int line = from; line <= count; ++line) {
            lineProfiles_[static_cast<std::size_t>(line - 1)] =
                lineProfiles_[static_cast<std::size_t>(line)];
        }
        lineProfiles_[static_cast<std::size_t>(count)] = {};
    }
    const int gone = by < 0 ? from - 1 : -1;
    std::erase_if(lineRules_, [gone](const LineRule& rule) {
        return rule.first == gone || rule.second == gone;
    });
    for (LineRule& rule : lineRules_) {
        for (int* line : {&rule.first, &rule.second}) {
            if (*line >= from) {
                *line += by;
            }
        }
    }
}

void MasterEditor::writeRegister() {
    if (!program_.clubRegister.isOpen()) {
        return;
    }
    MasterEdits edits;
    for (const MemberRef& member : removed_) {
        edits.relinks.push_back({member, std::nullopt});
    }
    const int count = std::clamp<int>(master_.memberCount, 0, kMaxMembers);
    for (int line = 1; line <= count; ++line) {
        const LineProfile& profile = lineProfiles_[static_cast<std::size_t>(line)];
        const MemberRef now = refOfLine(line);
        if (now.abbrev.empty()) {
            continue;
        }
        if (profile.origin && *profile.origin != now) {
            edits.relinks.push_back({*profile.origin, now});
        }
        edits.profiles.push_back({now, profile.level, profile.type});
    }
    std::vector<PairRule> rules;
    for (const LineRule& rule : lineRules_) {
        rules.push_back({refOfLine(rule.first), refOfLine(rule.second), rule.kind});
    }
    edits.pairRules = std::move(rules);
    if (!reportRegisterError(program_, program_.clubRegister.applyMasterEdits(edits))) {
        readRegister();
    }
}

MasterEditor::RegisterFields MasterEditor::registerFields() const {
    RegisterFields fields;
    if (selection_ < 1 || selection_ > master_.memberCount || !program_.clubRegister.isOpen()) {
        return fields;
    }
    const LineProfile& profile = lineProfiles_[static_cast<std::size_t>(selection_)];
    fields.level = profile.level;
    fields.type = profile.type;
    for (const LineRule& rule : lineRules_) {
        if (rule.first != selection_ && rule.second != selection_) {
            continue;
        }
        const int other = rule.first == selection_ ? rule.second : rule.first;
        const std::u16string_view kind = rule.kind == PairRuleKind::AlwaysPartner ? u"固定ペア"
                                         : rule.kind == PairRuleKind::NeverPartner
                                             ? u"ペアにしない"
                                             : u"対戦させない";
        fields.rules.push_back(
            {other, rule.kind, refOfLine(other).abbrev + u"：" + std::u16string(kind)});
    }
    return fields;
}

bool MasterEditor::editsRegister() const {
    return selection_ >= 1 && selection_ <= master_.memberCount && program_.clubRegister.isOpen();
}

void MasterEditor::setLevel(int level) {
    if (!editsRegister()) {
        return;
    }
    lineProfiles_[static_cast<std::size_t>(selection_)].level = std::clamp(level, 0, kHighestLevel);
    changed_ = true;
}

void MasterEditor::setMemberType(MemberType type) {
    if (!editsRegister()) {
        return;
    }
    lineProfiles_[static_cast<std::size_t>(selection_)].type = type;
    changed_ = true;
}

void MasterEditor::addPairRule(int otherMember, PairRuleKind kind) {
    if (!editsRegister() || otherMember < 1 || otherMember > master_.memberCount ||
        otherMember == selection_) {
        program_.platform.beep();
        return;
    }
    std::erase_if(lineRules_, [&](const LineRule& rule) {
        return (rule.first == selection_ && rule.second == otherMember) ||
               (rule.first == otherMember && rule.second == selection_);
    });
    lineRules_.push_back({selection_, otherMember, kind});
    changed_ = true;
}

void MasterEditor::removePairRule(int index) {
    const std::vector<PairRuleLine> shown = registerFields().rules;
    if (index < 0 || index >= static_cast<int>(shown.size())) {
        program_.platform.beep();
        return;
    }
    const int other = shown[static_cast<std::size_t>(index)].otherMember;
    std::erase_if(lineRules_, [&](const LineRule& rule) {
        return (rule.first == selection_ && rule.second == other) ||
               (rule.first == other && rule.second == selection_);
    });
    changed_ = true;
}
