#pragma once

#include "storage/MemberMaster.h"
#include "storage/PictureLookup.h"

#include <optional>
#include <string>
#include <vector>

class Program;

// The rules of the participant registration dialog "参加者登録": the roster of
// the shown team and the member master as list lines, the roster cursor and
// the master selection, お休み, 変更 / 追加 / 削除, チーム 切替, and 更新 /
// ｷｬﾝｾﾙ. The rosters are edited in the meeting state in place.
//
// One Roster lives as long as the program: the master selection is kept from
// one opening of the dialog to the next.
class Roster {
public:
    static constexpr std::u16string_view kRosterHeader = u"NO写真-休-性-略称----";
    static constexpr std::u16string_view kMasterHeader = u"－ﾏｽﾀNO--氏名------------";

    explicit Roster(Program& program);

    // Opening: reads the member master into the master list, shows team A.
    void open();

    std::vector<std::u16string> rosterLines() const;
    const std::vector<std::u16string>& masterLines() const { return masterLines_; }
    // The name of the team shown (label `Label3`).
    std::u16string teamName() const;

    // A roster line clicked: the cursor moves to it. Returns whether the
    // entry rests (the お休み box shows it) and its picture, or nothing when
    // the line does not exist.
    struct RosterClick {
        bool resting = false;
        PictureLookup picture;
    };
    std::optional<RosterClick> clickRoster(int line);
    // A master line clicked; a line that lists no member beeps. Returns the
    // member's picture.
    std::optional<PictureLookup> clickMaster(int line);
    // The お休み box clicked by the user; ticked is its new state.
    void clickResting(bool ticked);

    void change(); // 変更
    void add();    // 追加
    void remove(); // 削除
    void switchTeam();

    // 更新: saves the meeting; the dialog then closes.
    void update();
    // ｷｬﾝｾﾙ (closeBox false) or the window's close box (true): true when the
    // dialog may close. Leaving by ｷｬﾝｾﾙ, or by the close box after the
    // question, reloads the meeting and so drops every change.
    bool leave(bool closeBox);

    int cursor() const { return cursor_; }
    int masterSelection() const { return masterSelection_; }
    bool changed() const { return changed_; }

private:
    int team() const;
    int teamSize() const;
    void copyMember(int slot);
    void moveEntry(int from, int to);

    Program& program_;
    // The roster reads its own copy of the master, so an open master editor
    // keeps its unsaved edits.
    MemberMaster master_;
    std::vector<std::u16string> masterLines_;
    std::vector<int> masterLineMember_;
    int cursor_ = 0;
    int masterSelection_ = 0;
    bool changed_ = false;
};
