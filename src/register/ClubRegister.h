#pragma once

#include "register/Database.h"
#include "register/RegisterError.h"
#include "register/RegisterTypes.h"

#include <ctime>
#include <filesystem>
#include <optional>
#include <vector>

// The database's file name in the working folder, beside the member master.
inline constexpr char kRegisterFileName[] = "tennis.db";

// A member's master line or short name changed in the master editor, or the
// member left the master (`to` empty): their register data follows.
struct MemberRelink {
    MemberRef from;
    std::optional<MemberRef> to;
};

// What one 更新 of the master editor writes to the register.
struct MasterEdits {
    std::vector<MemberRelink> relinks;              // applied first, all at once
    std::vector<MemberProfile> profiles;            // by their new references
    std::optional<std::vector<PairRule>> pairRules; // replaces every rule when set
};

// The club register: members' levels, types and pair rules, check-ins and
// fees per meeting, and the log of every match, in one SQLite database in
// the working folder. It adds to the stored files of a meeting and never
// touches them. Every write is one transaction; every operation returns its
// error instead of showing it. A closed register reads nothing and refuses
// every write with RegisterFault::Unavailable.
class ClubRegister {
public:
    enum class OpenResult {
        Opened,      // an existing database, upgraded when it was older
        Created,     // there was none
        SetAside,    // a damaged one was renamed to setAside, a new one created
        Unavailable, // could not be opened; error says why (locked, read-only, …)
    };
    struct Opening {
        OpenResult result = OpenResult::Unavailable;
        std::filesystem::path setAside;
        RegisterError error;
    };

    ClubRegister() = default;
    ~ClubRegister();
    ClubRegister(const ClubRegister&) = delete;
    ClubRegister& operator=(const ClubRegister&) = delete;

    // Opens or creates the database in `workDir`; `now` dates the name of a
    // damaged file renamed aside ("tennis.db.damaged-20261207-1830").
    Opening open(const std::filesystem::path& workDir, const std::tm& now);
    // Opens a database file directly (tests and the command-line tool).
    Opening openFile(const std::filesystem::path& file, const std::tm& now);
    // Opens the database of `workDir` only to read it, beside a copy of the
    // program that may hold it: no hold, no upgrade, nothing written. A
    // database of another schema version is refused (RegisterFault::Failed).
    Opening openForReading(const std::filesystem::path& workDir);
    void close();
    bool isOpen() const { return database_.isOpen(); }
    const std::filesystem::path& file() const { return file_; }
    int schemaVersion();

    // Members, levels, types, pair rules.
    std::vector<MemberProfile> profiles();
    std::optional<MemberProfile> profile(const MemberRef& member);
    RegisterError applyMasterEdits(const MasterEdits& edits);
    std::vector<PairRule> pairRules();

    FeeTable fees();
    RegisterError setFees(const FeeTable& fees);

    // Check-in at one meeting; each call is one user action.
    std::vector<Presence> presence(const MeetingRef& meeting);
    std::optional<Presence> presenceOf(const MeetingRef& meeting, const MemberRef& member);
    // 到着: records the arrival with the member's type and the fee due for it
    // (an arrival already recorded is kept; a member who had left is back).
    RegisterError arrive(const MeetingRef& meeting, const MemberRef& member, long long at);
    RegisterError startBreak(const MeetingRef& meeting, const MemberRef& member, long long at);
    RegisterError endBreak(const MeetingRef& meeting, const MemberRef& member, long long at);
    RegisterError leave(const MeetingRef& meeting, const MemberRef& member, long long at);
    RegisterError setLeavesAt(const MeetingRef& meeting, const MemberRef& member,
                              std::optional<long long> at);
    RegisterError setFeeDue(const MeetingRef& meeting, const MemberRef& member, int yen);
    RegisterError setPaid(const MeetingRef& meeting, const MemberRef& member, bool paid);
    // The member type of a member (kept with their profile); with a
    // meeting, also the type and the fee due of their check-in there.
    RegisterError setMemberType(const MemberRef& member, MemberType type,
                                const std::optional<MeetingRef>& meeting = std::nullopt);
    // Every check-in of the data file's meetings, for the season report.
    std::vector<MeetingPresence> seasonPresence(std::u16string_view dataFile);
    // Every check-in of every data file.
    std::vector<MeetingPresence> allPresence();

    // The match log.
    RegisterError logMatchStart(const LoggedMatch& match);
    // Ends the running match of the meeting whose sides hold these members.
    RegisterError logMatchEnd(const LoggedMatch& ended);
    std::vector<LoggedMatch> matches(const MeetingRef& meeting);
    std::vector<LoggedMatch> seasonMatches(std::u16string_view dataFile);

    // A consistent copy of the whole database (SQLite's backup API).
    RegisterError backupTo(const std::filesystem::path& file);

    Database& database() { return database_; }

private:
    Database database_;
    int lockFd_ = -1; // holds the file against a second copy of the program
    std::filesystem::path file_;
};
