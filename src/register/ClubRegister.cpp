#include "register/ClubRegister.h"

#include "register/Schema.h"
#include "register/Statement.h"
#include "register/Transaction.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <map>
#include <unistd.h>

namespace {

constexpr int kBusyTimeoutMs = 3000;
// The byte the hold against a second copy locks: far past the bytes SQLite
// locks (around 1 GiB) and past any real end of the file.
constexpr off_t kHoldOffset = off_t{1} << 40;

RegisterError unavailable() {
    return {RegisterFault::Unavailable, "closed"};
}

// Holds the file against every other open description (another copy of the
// program); -1 with the fault when it is held elsewhere or cannot be opened.
int holdFile(const std::filesystem::path& file, RegisterFault& fault) {
    const int fd = ::open(file.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) {
        fault = RegisterFault::ReadOnly;
        return -1;
    }
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = kHoldOffset;
    lock.l_len = 1;
    if (fcntl(fd, F_OFD_SETLK, &lock) != 0) {
        ::close(fd);
        fault = RegisterFault::Locked;
        return -1;
    }
    return fd;
}

std::string stampOf(const std::tm& now) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02d%02d-%02d%02d%02d", now.tm_year + 1900,
                  now.tm_mon + 1, now.tm_mday, now.tm_hour, now.tm_min, now.tm_sec);
    return text;
}

// Renames the damaged file (and its write-ahead log) aside; the shared
// memory index is rebuilt by SQLite and goes.
std::filesystem::path setAside(const std::filesystem::path& file, const std::tm& now) {
    std::filesystem::path aside = file;
    aside += ".damaged-" + stampOf(now);
    std::error_code ignored;
    std::filesystem::rename(file, aside, ignored);
    std::filesystem::path wal = file;
    wal += "-wal";
    std::filesystem::path asideWal = aside;
    asideWal += "-wal";
    std::filesystem::rename(wal, asideWal, ignored);
    std::filesystem::path shm = file;
    shm += "-shm";
    std::filesystem::remove(shm, ignored);
    return aside;
}

// Whether the database passes SQLite's quick check; the fault otherwise.
RegisterError checkIntegrity(Database& database) {
    Statement check(database, "PRAGMA quick_check");
    if (!check.step()) {
        return check.error().failed() ? check.error()
                                      : RegisterError{RegisterFault::Corrupt, "no check result"};
    }
    if (check.text(0) != u"ok") {
        return {RegisterFault::Corrupt, "quick_check failed"};
    }
    return {};
}

RegisterError configure(Database& database) {
    sqlite3_busy_timeout(database.handle(), kBusyTimeoutMs);
    if (RegisterError error = checkIntegrity(database)) {
        return error;
    }
    {
        Statement journal(database, "PRAGMA journal_mode = WAL");
        if (!journal.step() || journal.text(0) != u"wal") {
            return journal.error().failed() ? journal.error()
                                            : RegisterError{RegisterFault::ReadOnly, "no WAL"};
        }
    }
    if (RegisterError error =
            database.exec("PRAGMA synchronous = FULL; PRAGMA foreign_keys = ON")) {
        return error;
    }
    return upgradeSchema(database);
}

// The member row of a reference, made when `make` and missing; 0 when none.
long long memberId(Database& database, const MemberRef& member, bool make) {
    Statement find(database,
                   "SELECT id FROM members WHERE master_line = ?1 AND abbrev = ?2 ORDER BY id");
    find.bind(1, member.masterLine).bind(2, member.abbrev);
    if (find.step()) {
        return find.integer(0);
    }
    if (!make) {
        return 0;
    }
    Statement insert(database, "INSERT INTO members(master_line, abbrev) VALUES (?1, ?2)");
    insert.bind(1, member.masterLine).bind(2, member.abbrev);
    if (insert.run()) {
        return 0;
    }
    return sqlite3_last_insert_rowid(database.handle());
}

MemberRef memberOfRow(const Statement& row, int column) {
    return {static_cast<int>(row.integer(column)), row.text(column + 1)};
}

MemberType typeOf(long long stored) {
    return stored == 1 ? MemberType::Trial : stored == 2 ? MemberType::Guest : MemberType::Member;
}

long long storedType(MemberType type) {
    return static_cast<long long>(type);
}

// Runs one user action: `write` within one transaction, committed when it
// returned no error.
template <class Write> RegisterError inTransaction(Database& database, Write write) {
    if (!database.isOpen()) {
        return unavailable();
    }
    Transaction transaction(database);
    if (transaction.beginError()) {
        return transaction.beginError();
    }
    if (RegisterError error = write()) {
        return error;
    }
    return transaction.commit();
}

// The check-in row of the member at the meeting, made when missing with the
// member's type and the fee for it.
RegisterError ensurePresence(Database& database, const MeetingRef& meeting, long long member) {
    Statement insert(database, R"sql(
INSERT OR IGNORE INTO presence(data_file, meeting, member, type, fee_due)
SELECT ?1, ?2, m.id, m.type, COALESCE(f.yen, 0)
FROM members m LEFT JOIN fees f ON f.type = m.type WHERE m.id = ?3)sql");
    insert.bind(1, meeting.dataFile).bind(2, meeting.meeting).bind(3, member);
    return insert.run();
}

// Runs `sql` on the member's check-in row (made first when missing), with
// ?1 ?2 ?3 the meeting and member and ?4 `value`.
RegisterError updatePresence(Database& database, const MeetingRef& meeting, const MemberRef& member,
                             const char* sql, std::optional<long long> value) {
    return inTransaction(database, [&]() -> RegisterError {
        const long long id = memberId(database, member, true);
        if (id == 0) {
            return {RegisterFault::Failed, "member row"};
        }
        if (RegisterError error = ensurePresence(database, meeting, id)) {
            return error;
        }
        Statement update(database, sql);
        update.bind(1, meeting.dataFile).bind(2, meeting.meeting).bind(3, id).bind(4, value);
        return update.run();
    });
}

std::vector<MeetingPresence> readPresence(Database& database,
                                          std::optional<std::u16string_view> dataFile,
                                          std::optional<int> meeting,
                                          std::optional<long long> member) {
    std::vector<MeetingPresence> result;
    if (!database.isOpen()) {
        return result;
    }
    Statement rows(database, R"sql(
SELECT p.meeting, m.master_line, m.abbrev, p.arrived, p.left_at, p.leaves_at, p.type,
       p.fee_due, p.paid, p.member, p.data_file
FROM presence p JOIN members m ON m.id = p.member
WHERE (?1 IS NULL OR p.data_file = ?1) AND (?2 IS NULL OR p.meeting = ?2)
  AND (?3 IS NULL OR p.member = ?3)
ORDER BY p.data_file, p.meeting, m.master_line, m.abbrev)sql");
    if (dataFile) {
        rows.bind(1, *dataFile);
    }
    rows.bind(2, meeting ? std::optional<long long>(*meeting) : std::nullopt);
    rows.bind(3, member);
    Statement breaks(database, "SELECT start, end FROM breaks WHERE data_file = ?1 AND "
                               "meeting = ?2 AND member = ?3 ORDER BY start");
    while (rows.step()) {
        MeetingPresence entry;
        entry.dataFile = rows.text(10);
        entry.meeting = static_cast<int>(rows.integer(0));
        Presence& p = entry.presence;
        p.member = memberOfRow(rows, 1);
        p.arrived = rows.optionalInteger(3);
        p.left = rows.optionalInteger(4);
        p.leavesAt = rows.optionalInteger(5);
        p.type = typeOf(rows.integer(6));
        p.feeDue = static_cast<int>(rows.integer(7));
        p.paid = rows.integer(8) != 0;
        breaks.reset();
        breaks.bind(1, entry.dataFile).bind(2, entry.meeting).bind(3, rows.integer(9));
        while (breaks.step()) {
            p.breaks.push_back({breaks.integer(0), breaks.optionalInteger(1)});
        }
        result.push_back(std::move(entry));
    }
    return result;
}

std::vector<LoggedMatch> readMatches(Database& database, std::u16string_view dataFile,
                                     std::optional<int> meeting) {
    std::vector<LoggedMatch> result;
    if (!database.isOpen()) {
        return result;
    }
    Statement rows(database, R"sql(
SELECT x.id, x.meeting, x.court, x.start, x.end, x.outcome, x.games_first, x.games_second,
       p.side, m.master_line, m.abbrev
FROM matches x LEFT JOIN match_players p ON p.match = x.id LEFT JOIN members m ON m.id = p.member
WHERE x.data_file = ?1 AND (?2 IS NULL OR x.meeting = ?2)
ORDER BY x.id, p.side, p.position)sql");
    rows.bind(1, dataFile).bind(2, meeting ? std::optional<long long>(*meeting) : std::nullopt);
    long long lastId = -1;
    while (rows.step()) {
        if (rows.integer(0) != lastId) {
            lastId = rows.integer(0);
            LoggedMatch match;
            match.meeting = {std::u16string(dataFile), static_cast<int>(rows.integer(1))};
            match.court = static_cast<int>(rows.integer(2));
            match.start = rows.integer(3);
            match.end = rows.optionalInteger(4);
            match.outcome = static_cast<MatchOutcome>(std::clamp<long long>(rows.integer(5), 0, 3));
            match.gamesFirst = static_cast<int>(rows.integer(6));
            match.gamesSecond = static_cast<int>(rows.integer(7));
            result.push_back(std::move(match));
        }
        if (rows.optionalInteger(8)) {
            const auto side = static_cast<std::size_t>(rows.integer(8) == 1 ? 1 : 0);
            result.back().sides[side].push_back(memberOfRow(rows, 9));
        }
    }
    return result;
}

} // namespace

ClubRegister::~ClubRegister() {
    close();
}

ClubRegister::Opening ClubRegister::open(const std::filesystem::path& workDir, const std::tm& now) {
    return openFile(workDir / kRegisterFileName, now);
}

ClubRegister::Opening ClubRegister::openFile(const std::filesystem::path& file,
                                             const std::tm& now) {
    close();
    file_ = file;
    Opening opening;
    std::error_code ignored;
    const bool existed = std::filesystem::exists(file, ignored);
    if (RegisterError error = database_.open(file, Database::Mode::Create)) {
        opening.error = error;
        return opening;
    }
    RegisterFault holdFault = RegisterFault::None;
    lockFd_ = holdFile(file, holdFault);
    if (lockFd_ < 0) {
        close();
        opening.error = {holdFault, "held by another copy"};
        return opening;
    }
    RegisterError error = configure(database_);
    if (error.fault == RegisterFault::Corrupt) {
        close();
        opening.setAside = setAside(file, now);
        const Opening fresh = openFile(file, now);
        if (fresh.result != OpenResult::Created) {
            return fresh;
        }
        opening.result = OpenResult::SetAside;
        return opening;
    }
    if (error) {
        close();
        opening.error = error;
        return opening;
    }
    opening.result = existed ? OpenResult::Opened : OpenResult::Created;
    return opening;
}

ClubRegister::Opening ClubRegister::openForReading(const std::filesystem::path& workDir) {
    close();
    file_ = workDir / kRegisterFileName;
    Opening opening;
    std::error_code ignored;
    if (!std::filesystem::is_regular_file(file_, ignored)) {
        opening.error = {RegisterFault::Unavailable, "no register in this folder"};
        return opening;
    }
    if (RegisterError error = database_.open(file_, Database::Mode::ReadOnly)) {
        opening.error = error;
        return opening;
    }
    sqlite3_busy_timeout(database_.handle(), kBusyTimeoutMs);
    const int version = schemaVersionOf(database_);
    if (version != kRegisterSchemaVersion) {
        close();
        opening.error = version < 0 ? RegisterError{RegisterFault::Corrupt, "not a database"}
                                    : RegisterError{RegisterFault::Failed,
                                                    "schema version " + std::to_string(version)};
        return opening;
    }
    opening.result = OpenResult::Opened;
    return opening;
}

void ClubRegister::close() {
    database_.close();
    if (lockFd_ >= 0) {
        ::close(lockFd_);
        lockFd_ = -1;
    }
}

int ClubRegister::schemaVersion() {
    return isOpen() ? schemaVersionOf(database_) : 0;
}

std::vector<MemberProfile> ClubRegister::profiles() {
    std::vector<MemberProfile> result;
    if (!isOpen()) {
        return result;
    }
    Statement rows(database_, "SELECT master_line, abbrev, level, type FROM members "
                              "ORDER BY master_line = 0, master_line, abbrev, id");
    while (rows.step()) {
        result.push_back(
            {memberOfRow(rows, 0), static_cast<int>(rows.integer(2)), typeOf(rows.integer(3))});
    }
    return result;
}

std::optional<MemberProfile> ClubRegister::profile(const MemberRef& member) {
    if (!isOpen()) {
        return std::nullopt;
    }
    Statement row(database_, "SELECT level, type FROM members WHERE master_line = ?1 AND "
                             "abbrev = ?2 ORDER BY id");
    row.bind(1, member.masterLine).bind(2, member.abbrev);
    if (!row.step()) {
        return std::nullopt;
    }
    return MemberProfile{member, static_cast<int>(row.integer(0)), typeOf(row.integer(1))};
}

RegisterError ClubRegister::applyMasterEdits(const MasterEdits& edits) {
    return inTransaction(database_, [&]() -> RegisterError {
        // Find every moved member first, then make room at the new places
        // (a row left there by a member no longer in the master goes to line
        // 0), then move them all, so that two members trading lines do not
        // meet halfway.
        std::vector<std::pair<long long, const MemberRelink*>> moving;
        for (const MemberRelink& relink : edits.relinks) {
            if (const long long id = memberId(database_, relink.from, false); id != 0) {
                moving.emplace_back(id, &relink);
            }
        }
        const auto isMoving = [&](long long id) {
            return std::any_of(moving.begin(), moving.end(),
                               [id](const auto& entry) { return entry.first == id; });
        };
        Statement stale(database_, "SELECT id FROM members WHERE master_line = ?1 AND abbrev = ?2");
        Statement unlink(database_, "UPDATE members SET master_line = 0 WHERE id = ?1");
        for (const auto& [id, relink] : moving) {
            if (!relink->to) {
                continue;
            }
            stale.reset();
            stale.bind(1, relink->to->masterLine).bind(2, relink->to->abbrev);
            std::vector<long long> staleIds;
            while (stale.step()) {
                if (!isMoving(stale.integer(0))) {
                    staleIds.push_back(stale.integer(0));
                }
            }
            for (const long long staleId : staleIds) {
                unlink.reset();
                if (RegisterError error = unlink.bind(1, staleId).run()) {
                    return error;
                }
            }
        }
        Statement move(database_, "UPDATE members SET master_line = ?2, abbrev = ?3 WHERE id = ?1");
        for (const auto& [id, relink] : moving) {
            const MemberRef to = relink->to.value_or(MemberRef{0, relink->from.abbrev});
            move.reset();
            if (RegisterError error =
                    move.bind(1, id).bind(2, to.masterLine).bind(3, to.abbrev).run()) {
                return error;
            }
        }
        Statement setProfile(database_, "UPDATE members SET level = ?2, type = ?3 WHERE id = ?1");
        for (const MemberProfile& profile : edits.profiles) {
            const long long id = memberId(database_, profile.member, true);
            setProfile.reset();
            setProfile.bind(1, id).bind(2, std::clamp(profile.level, 0, kHighestLevel));
            if (RegisterError error = setProfile.bind(3, storedType(profile.type)).run()) {
                return error;
            }
        }
        if (!edits.pairRules) {
            return {};
        }
        if (RegisterError error = database_.exec("DELETE FROM pair_rules")) {
            return error;
        }
        Statement insert(
            database_,
            "INSERT OR REPLACE INTO pair_rules(first, second, kind) VALUES (?1, ?2, ?3)");
        for (const PairRule& rule : *edits.pairRules) {
            const long long a = memberId(database_, rule.first, true);
            const long long b = memberId(database_, rule.second, true);
            if (a == b) {
                continue;
            }
            insert.reset();
            insert.bind(1, std::min(a, b)).bind(2, std::max(a, b));
            if (RegisterError error = insert.bind(3, static_cast<long long>(rule.kind)).run()) {
                return error;
            }
        }
        return {};
    });
}

std::vector<PairRule> ClubRegister::pairRules() {
    std::vector<PairRule> result;
    if (!isOpen()) {
        return result;
    }
    Statement rows(database_, R"sql(
SELECT a.master_line, a.abbrev, b.master_line, b.abbrev, r.kind
FROM pair_rules r JOIN members a ON a.id = r.first JOIN members b ON b.id = r.second
ORDER BY a.master_line, b.master_line)sql");
    while (rows.step()) {
        result.push_back({memberOfRow(rows, 0), memberOfRow(rows, 2),
                          static_cast<PairRuleKind>(std::clamp<long long>(rows.integer(4), 0, 2))});
    }
    return result;
}

FeeTable ClubRegister::fees() {
    FeeTable table;
    if (!isOpen()) {
        return table;
    }
    Statement rows(database_, "SELECT type, yen FROM fees");
    while (rows.step()) {
        const long long type = rows.integer(0);
        if (type >= 0 && type < static_cast<long long>(table.fee.size())) {
            table.fee[static_cast<std::size_t>(type)] = static_cast<int>(rows.integer(1));
        }
    }
    return table;
}

RegisterError ClubRegister::setFees(const FeeTable& fees) {
    return inTransaction(database_, [&]() -> RegisterError {
        Statement set(database_, "INSERT OR REPLACE INTO fees(type, yen) VALUES (?1, ?2)");
        for (const MemberType type : kMemberTypes) {
            set.reset();
            if (RegisterError error =
                    set.bind(1, storedType(type)).bind(2, fees.feeOf(type)).run()) {
                return error;
            }
        }
        return {};
    });
}

std::vector<Presence> ClubRegister::presence(const MeetingRef& meeting) {
    std::vector<Presence> result;
    for (MeetingPresence& entry :
         readPresence(database_, meeting.dataFile, meeting.meeting, std::nullopt)) {
        result.push_back(std::move(entry.presence));
    }
    return result;
}

std::optional<Presence> ClubRegister::presenceOf(const MeetingRef& meeting,
                                                 const MemberRef& member) {
    if (!isOpen()) {
        return std::nullopt;
    }
    const long long id = memberId(database_, member, false);
    if (id == 0) {
        return std::nullopt;
    }
    std::vector<MeetingPresence> found =
        readPresence(database_, meeting.dataFile, meeting.meeting, id);
    if (found.empty()) {
        return std::nullopt;
    }
    return std::move(found.front().presence);
}

RegisterError ClubRegister::arrive(const MeetingRef& meeting, const MemberRef& member,
                                   long long at) {
    return updatePresence(database_, meeting, member,
                          "UPDATE presence SET arrived = COALESCE(arrived, ?4), left_at = NULL, "
                          "leaves_at = CASE WHEN leaves_at <= ?4 THEN NULL ELSE leaves_at END "
                          "WHERE data_file = ?1 AND meeting = ?2 AND member = ?3",
                          at);
}

RegisterError ClubRegister::startBreak(const MeetingRef& meeting, const MemberRef& member,
                                       long long at) {
    return updatePresence(database_, meeting, member, R"sql(
INSERT INTO breaks(data_file, meeting, member, start)
SELECT ?1, ?2, ?3, ?4 WHERE NOT EXISTS (
    SELECT 1 FROM breaks WHERE data_file = ?1 AND meeting = ?2 AND member = ?3 AND end IS NULL))sql",
                          at);
}

RegisterError ClubRegister::endBreak(const MeetingRef& meeting, const MemberRef& member,
                                     long long at) {
    return updatePresence(database_, meeting, member,
                          "UPDATE breaks SET end = MAX(start, ?4) WHERE data_file = ?1 AND "
                          "meeting = ?2 AND member = ?3 AND end IS NULL",
                          at);
}

RegisterError ClubRegister::leave(const MeetingRef& meeting, const MemberRef& member,
                                  long long at) {
    return updatePresence(database_, meeting, member, R"sql(
UPDATE presence SET left_at = ?4 WHERE data_file = ?1 AND meeting = ?2 AND member = ?3;
)sql",
                          at);
}

RegisterError ClubRegister::setLeavesAt(const MeetingRef& meeting, const MemberRef& member,
                                        std::optional<long long> at) {
    return updatePresence(database_, meeting, member,
                          "UPDATE presence SET leaves_at = ?4 WHERE data_file = ?1 AND "
                          "meeting = ?2 AND member = ?3",
                          at);
}

RegisterError ClubRegister::setFeeDue(const MeetingRef& meeting, const MemberRef& member, int yen) {
    return updatePresence(database_, meeting, member,
                          "UPDATE presence SET fee_due = ?4 WHERE data_file = ?1 AND "
                          "meeting = ?2 AND member = ?3",
                          std::max(0, yen));
}

RegisterError ClubRegister::setPaid(const MeetingRef& meeting, const MemberRef& member, bool paid) {
    return updatePresence(database_, meeting, member,
                          "UPDATE presence SET paid = ?4 WHERE data_file = ?1 AND "
                          "meeting = ?2 AND member = ?3",
                          paid ? 1 : 0);
}

RegisterError ClubRegister::setMemberType(const MemberRef& member, MemberType type,
                                          const std::optional<MeetingRef>& meeting) {
    return inTransaction(database_, [&]() -> RegisterError {
        const long long id = memberId(database_, member, true);
        Statement set(database_, "UPDATE members SET type = ?2 WHERE id = ?1");
        if (RegisterError error = set.bind(1, id).bind(2, storedType(type)).run()) {
            return error;
        }
        if (!meeting) {
            return {};
        }
        if (RegisterError error = ensurePresence(database_, *meeting, id)) {
            return error;
        }
        Statement checkIn(database_, R"sql(
UPDATE presence SET type = ?4, fee_due = COALESCE((SELECT yen FROM fees WHERE type = ?4), 0)
WHERE data_file = ?1 AND meeting = ?2 AND member = ?3)sql");
        checkIn.bind(1, meeting->dataFile).bind(2, meeting->meeting).bind(3, id);
        return checkIn.bind(4, storedType(type)).run();
    });
}

std::vector<MeetingPresence> ClubRegister::seasonPresence(std::u16string_view dataFile) {
    return readPresence(database_, dataFile, std::nullopt, std::nullopt);
}

std::vector<MeetingPresence> ClubRegister::allPresence() {
    return readPresence(database_, std::nullopt, std::nullopt, std::nullopt);
}

RegisterError ClubRegister::logMatchStart(const LoggedMatch& match) {
    return inTransaction(database_, [&]() -> RegisterError {
        Statement insert(database_, R"sql(
INSERT INTO matches(data_file, meeting, court, start, end, outcome, games_first, games_second)
VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8))sql");
        insert.bind(1, match.meeting.dataFile).bind(2, match.meeting.meeting).bind(3, match.court);
        insert.bind(4, match.start).bind(5, match.end);
        insert.bind(6, static_cast<long long>(match.outcome));
        insert.bind(7, match.gamesFirst).bind(8, match.gamesSecond);
        if (RegisterError error = insert.run()) {
            return error;
        }
        const long long matchId = sqlite3_last_insert_rowid(database_.handle());
        Statement player(database_, "INSERT INTO match_players(match, side, position, member) "
                                    "VALUES (?1, ?2, ?3, ?4)");
        for (std::size_t side = 0; side < 2; ++side) {
            for (std::size_t position = 0; position < match.sides[side].size(); ++position) {
                const long long member = memberId(database_, match.sides[side][position], true);
                player.reset();
                player.bind(1, matchId).bind(2, static_cast<long long>(side));
                player.bind(3, static_cast<long long>(position)).bind(4, member);
                if (RegisterError error = player.run()) {
                    return error;
                }
            }
        }
        return {};
    });
}

RegisterError ClubRegister::logMatchEnd(const LoggedMatch& ended) {
    if (!isOpen()) {
        return unavailable();
    }
    // The latest running match of the meeting with the same first member on
    // each side.
    long long matchId = 0;
    {
        Statement find(database_, R"sql(
SELECT x.id FROM matches x
JOIN match_players a ON a.match = x.id AND a.side = 0 AND a.position = 0
JOIN members ma ON ma.id = a.member
JOIN match_players b ON b.match = x.id AND b.side = 1 AND b.position = 0
JOIN members mb ON mb.id = b.member
WHERE x.data_file = ?1 AND x.meeting = ?2 AND x.outcome = 0
  AND ma.master_line = ?3 AND ma.abbrev = ?4 AND mb.master_line = ?5 AND mb.abbrev = ?6
ORDER BY x.id DESC LIMIT 1)sql");
        const MemberRef none;
        const MemberRef& a = ended.sides[0].empty() ? none : ended.sides[0].front();
        const MemberRef& b = ended.sides[1].empty() ? none : ended.sides[1].front();
        find.bind(1, ended.meeting.dataFile).bind(2, ended.meeting.meeting);
        find.bind(3, a.masterLine).bind(4, a.abbrev).bind(5, b.masterLine).bind(6, b.abbrev);
        if (find.step()) {
            matchId = find.integer(0);
        }
    }
    if (matchId == 0) {
        // Started while the register was closed: logged whole, from its end.
        LoggedMatch whole = ended;
        whole.start = ended.end.value_or(ended.start);
        return logMatchStart(whole);
    }
    return inTransaction(database_, [&]() -> RegisterError {
        Statement update(database_, "UPDATE matches SET end = ?2, outcome = ?3, games_first = ?4, "
                                    "games_second = ?5 WHERE id = ?1");
        update.bind(1, matchId).bind(2, ended.end).bind(3, static_cast<long long>(ended.outcome));
        return update.bind(4, ended.gamesFirst).bind(5, ended.gamesSecond).run();
    });
}

std::vector<LoggedMatch> ClubRegister::matches(const MeetingRef& meeting) {
    return readMatches(database_, meeting.dataFile, meeting.meeting);
}

std::vector<LoggedMatch> ClubRegister::seasonMatches(std::u16string_view dataFile) {
    return readMatches(database_, dataFile, std::nullopt);
}

RegisterError ClubRegister::backupTo(const std::filesystem::path& file) {
    if (!isOpen()) {
        return unavailable();
    }
    Database copy;
    if (RegisterError error = copy.open(file, Database::Mode::Create)) {
        return error;
    }
    sqlite3_backup* backup = sqlite3_backup_init(copy.handle(), "main", database_.handle(), "main");
    if (backup == nullptr) {
        return copy.errorOf(sqlite3_errcode(copy.handle()));
    }
    const int stepped = sqlite3_backup_step(backup, -1);
    const int finished = sqlite3_backup_finish(backup);
    if (stepped != SQLITE_DONE) {
        return copy.errorOf(stepped);
    }
    return copy.errorOf(finished);
}
