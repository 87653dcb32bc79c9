#include "app/Roster.h"

#include "app/MasterFileCommands.h"
#include "app/MeetingFileCommands.h"
#include "app/Program.h"
#include "app/RegistrationMessages.h"
#include "platform/Platform.h"
#include "text/LeadingNumber.h"
#include "text/NumberPattern.h"

#include <algorithm>

Roster::Roster(Program& program) : program_(program), master_(program.workDir) {}

void Roster::open() {
    masterLines_.clear();
    masterLineMember_.clear();
    readMasterFile(program_.platform, master_, [this](int member) {
        const MemberRecord& entry = master_.members[static_cast<std::size_t>(member)];
        if (entry.sex == 9) {
            return;
        }
        masterLines_.push_back(formatNumber(member, u" 000  ") +
                               formatNumber(entry.classCode, u"000  ") + entry.name.str());
        masterLineMember_.push_back(member);
    });
    cursor_ = 0;
    program_.state.currentTeam = 0;
    changed_ = false;
}

int Roster::team() const {
    return program_.state.currentTeam == 1 ? 1 : 0;
}

int Roster::teamSize() const {
    return std::clamp<int>(program_.state.teamSize[static_cast<std::size_t>(team())], 0,
                           kMaxTeamSize);
}

std::u16string Roster::teamName() const {
    return team() == 0 ? program_.state.teamNameA : program_.state.teamNameB;
}

std::vector<std::u16string> Roster::rosterLines() const {
    const MeetingState& state = program_.state;
    const auto t = static_cast<std::size_t>(team());
    std::vector<std::u16string> lines;
    for (int p = 1; p <= teamSize(); ++p) {
        const auto slot = static_cast<std::size_t>(p);
        const int status = state.memberStatus[t][slot];
        lines.push_back(formatNumber(p, u" 00 ") +
                        formatNumber(state.memberPhotoNo[t][slot], u"000") +
                        (status > 1 ? u" 休 " : u" ◎ ") + (status % 10 == 1 ? u" 女 " : u" 男 ") +
                        state.memberAbbrev[t][slot].str());
    }
    return lines;
}

std::optional<Roster::RosterClick> Roster::clickRoster(int line) {
    cursor_ = 0;
    const std::vector<std::u16string> lines = rosterLines();
    if (line < 0 || line >= static_cast<int>(lines.size())) {
        return std::nullopt;
    }
    // The photo number is read back from the line's characters 5 to 7, and
    // the roster always falls back to the male default picture.
    const std::u16string& text = lines[static_cast<std::size_t>(line)];
    const int photoNo = static_cast<int>(leadingNumber(text.substr(4, 3)));
    RosterClick click;
    click.resting = program_.state.isResting(team(), line + 1);
    click.picture = lookupPicture(program_.workDir, photoNo, 0);
    cursor_ = line + 1;
    return click;
}

std::optional<PictureLookup> Roster::clickMaster(int line) {
    if (line < 0 || line >= static_cast<int>(masterLineMember_.size())) {
        program_.platform.beep();
        return std::nullopt;
    }
    masterSelection_ = masterLineMember_[static_cast<std::size_t>(line)];
    const MemberRecord& entry = master_.members[static_cast<std::size_t>(masterSelection_)];
    return lookupPicture(program_.workDir, entry.photoNo, entry.sex);
}

void Roster::clickResting(bool ticked) {
    if (cursor_ < 1 || cursor_ > teamSize()) {
        return;
    }
    std::int16_t& status =
        program_.state
            .memberStatus[static_cast<std::size_t>(team())][static_cast<std::size_t>(cursor_)];
    status = static_cast<std::int16_t>(status % 10 + (ticked ? 10 : 0));
}

void Roster::copyMember(int slot) {
    const MemberRecord& entry = master_.members[static_cast<std::size_t>(masterSelection_)];
    MeetingState& state = program_.state;
    const auto t = static_cast<std::size_t>(team());
    const auto s = static_cast<std::size_t>(slot);
    state.memberAbbrev[t][s] = entry.abbrev;
    state.memberStatus[t][s] = entry.sex;
    state.memberPhotoNo[t][s] = entry.photoNo;
}

void Roster::moveEntry(int from, int to) {
    MeetingState& state = program_.state;
    const auto t = static_cast<std::size_t>(team());
    const auto f = static_cast<std::size_t>(from);
    const auto d = static_cast<std::size_t>(to);
    state.memberAbbrev[t][d] = state.memberAbbrev[t][f];
    state.memberStatus[t][d] = state.memberStatus[t][f];
    state.memberPhotoNo[t][d] = state.memberPhotoNo[t][f];
}

void Roster::change() {
    if (masterSelection_ < 1 || masterSelection_ > master_.memberCount || cursor_ < 1 ||
        cursor_ > teamSize()) {
        program_.platform.beep();
        return;
    }
    copyMember(cursor_);
    changed_ = true;
}

void Roster::add() {
    const int count = teamSize();
    if (count >= kMaxTeamSize || masterSelection_ < 1 || masterSelection_ > master_.memberCount ||
        cursor_ >= kMaxTeamSize) {
        program_.platform.beep();
        return;
    }
    if (count == 0) {
        cursor_ = 1;
    } else {
        // After the last entry was deleted the cursor lies past the end; the
        // new entry then follows the last one, so the roster keeps no gap.
        cursor_ = std::min(cursor_, count);
        for (int p = count; p >= cursor_ + 1; --p) {
            moveEntry(p, p + 1);
        }
        ++cursor_;
    }
    copyMember(cursor_);
    program_.state.teamSize[static_cast<std::size_t>(team())] =
        static_cast<std::int16_t>(count + 1);
    changed_ = true;
}

void Roster::remove() {
    const int count = teamSize();
    if (cursor_ < 1 || cursor_ > count) {
        program_.platform.beep();
        return;
    }
    for (int p = cursor_; p < count; ++p) {
        moveEntry(p + 1, p);
    }
    program_.state.teamSize[static_cast<std::size_t>(team())] =
        static_cast<std::int16_t>(count - 1);
    changed_ = true;
}

void Roster::switchTeam() {
    cursor_ = 0;
    MeetingState& state = program_.state;
    if (state.matchMethod == MatchMethod::TwoTeamDoubles &&
        state.intraTeamMode == IntraTeamMode::Off) {
        state.currentTeam = static_cast<std::int16_t>(1 - team());
    }
}

void Roster::update() {
    // Short names are fixed-length fields: they already go out padded to 8.
    saveMeeting(program_, SaveTarget::Meeting);
    changed_ = false;
}

bool Roster::leave(bool closeBox) {
    if (changed_ && !program_.platform.askYesNo(kDiscardChangesQuestion, kAppTitle)) {
        return false;
    }
    if (!closeBox || changed_) {
        readMeeting(program_, program_.state.meetingCount);
    }
    changed_ = false;
    return true;
}
