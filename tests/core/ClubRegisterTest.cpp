#include "FaultInjection.h"
#include "TempDir.h"

#include "register/ClubRegister.h"
#include "register/Database.h"
#include "register/RegisterBackup.h"
#include "register/Schema.h"
#include "register/Statement.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

std::tm moment(int hour, int minute) {
    std::tm t{};
    t.tm_year = 126;
    t.tm_mon = 11;
    t.tm_mday = 7;
    t.tm_hour = hour;
    t.tm_min = minute;
    return t;
}

const MeetingRef kTonight{u"/club/2026.rly", 3};
const MemberRef kSato{1, u"佐藤"};
const MemberRef kSuzuki{2, u"鈴木"};
const MemberRef kTanaka{3, u"田中"};

class ClubRegisterTest : public ::testing::Test {
protected:
    ClubRegister::Opening open(ClubRegister& r) { return r.open(dir_.path(), moment(18, 0)); }
    std::filesystem::path dbFile() const { return dir_.path() / kRegisterFileName; }

    TempDir dir_;
    ClubRegister register_;
};

TEST_F(ClubRegisterTest, AMissingDatabaseIsCreatedAtTheLatestVersion) {
    const ClubRegister::Opening created = open(register_);
    EXPECT_EQ(created.result, ClubRegister::OpenResult::Created) << created.error.detail;
    EXPECT_EQ(register_.schemaVersion(), kRegisterSchemaVersion);
    Statement mode(register_.database(), "PRAGMA journal_mode");
    ASSERT_TRUE(mode.step());
    EXPECT_EQ(mode.text(0), u"wal");
    register_.close();
    EXPECT_EQ(open(register_).result, ClubRegister::OpenResult::Opened);
}

TEST_F(ClubRegisterTest, VersionOneIsUpgradedKeepingItsData) {
    {
        Database old;
        ASSERT_FALSE(old.open(dbFile(), Database::Mode::Create));
        // The first version's tables, as its program left them.
        ASSERT_FALSE(old.exec(R"sql(
CREATE TABLE members(id INTEGER PRIMARY KEY, master_line INTEGER NOT NULL, abbrev TEXT NOT NULL,
    level INTEGER NOT NULL DEFAULT 0, type INTEGER NOT NULL DEFAULT 0);
CREATE TABLE pair_rules(first INTEGER NOT NULL, second INTEGER NOT NULL, kind INTEGER NOT NULL,
    PRIMARY KEY(first, second));
CREATE TABLE presence(data_file TEXT NOT NULL, meeting INTEGER NOT NULL, member INTEGER NOT NULL,
    arrived INTEGER, left_at INTEGER, type INTEGER NOT NULL DEFAULT 0,
    fee_due INTEGER NOT NULL DEFAULT 0, paid INTEGER NOT NULL DEFAULT 0,
    PRIMARY KEY(data_file, meeting, member));
CREATE TABLE breaks(data_file TEXT NOT NULL, meeting INTEGER NOT NULL, member INTEGER NOT NULL,
    start INTEGER NOT NULL, end INTEGER);
CREATE TABLE matches(id INTEGER PRIMARY KEY, data_file TEXT NOT NULL, meeting INTEGER NOT NULL,
    court INTEGER NOT NULL, start INTEGER NOT NULL, end INTEGER, outcome INTEGER NOT NULL,
    games_first INTEGER NOT NULL DEFAULT 0, games_second INTEGER NOT NULL DEFAULT 0);
CREATE TABLE match_players(match INTEGER NOT NULL, side INTEGER NOT NULL,
    position INTEGER NOT NULL, member INTEGER NOT NULL, PRIMARY KEY(match, side, position));
INSERT INTO members VALUES (1, 1, '佐藤', 4, 0);
INSERT INTO presence VALUES ('/club/2026.rly', 3, 1, 1000, NULL, 0, 500, 1);
PRAGMA user_version = 1;
)sql"));
    }
    EXPECT_EQ(open(register_).result, ClubRegister::OpenResult::Opened);
    EXPECT_EQ(register_.schemaVersion(), kRegisterSchemaVersion);
    EXPECT_EQ(register_.profile(kSato)->level, 4);
    EXPECT_FALSE(register_.setLeavesAt(kTonight, kSato, 5000));
    const auto sato = register_.presenceOf(kTonight, kSato);
    ASSERT_TRUE(sato);
    EXPECT_EQ(sato->arrived, 1000);
    EXPECT_EQ(sato->leavesAt, 5000);
    EXPECT_TRUE(sato->paid);
}

TEST_F(ClubRegisterTest, DamagedOrForeignFilesAreSetAsideAndANewOneStarted) {
    for (const std::string& bytes :
         {std::string("not a database at all, just text"),
          std::string("SQLite format 3") + std::string(1, '\0') + std::string(4000, '\x55')}) {
        writeBytes(dbFile(), {bytes.begin(), bytes.end()});
        const ClubRegister::Opening opening = open(register_);
        ASSERT_EQ(opening.result, ClubRegister::OpenResult::SetAside);
        EXPECT_EQ(opening.setAside.filename(), "tennis.db.damaged-20261207-180000");
        const auto kept = readBytes(opening.setAside);
        EXPECT_EQ(std::string(kept.begin(), kept.end()), bytes);
        EXPECT_EQ(register_.schemaVersion(), kRegisterSchemaVersion);
        register_.close();
        std::filesystem::remove(opening.setAside);
    }
}

TEST_F(ClubRegisterTest, ASecondCopyIsToldTheRegisterIsHeld) {
    ASSERT_EQ(open(register_).result, ClubRegister::OpenResult::Created);
    ASSERT_FALSE(register_.arrive(kTonight, kSato, 1000));
    ClubRegister second;
    const ClubRegister::Opening opening = open(second);
    EXPECT_EQ(opening.result, ClubRegister::OpenResult::Unavailable);
    EXPECT_EQ(opening.error.fault, RegisterFault::Locked);
    EXPECT_EQ(second.arrive(kTonight, kSuzuki, 1000).fault, RegisterFault::Unavailable);
    EXPECT_TRUE(register_.presenceOf(kTonight, kSato));
    register_.close();
    EXPECT_EQ(open(second).result, ClubRegister::OpenResult::Opened);
}

TEST_F(ClubRegisterTest, EachCheckInActionIsKept) {
    open(register_);
    ASSERT_FALSE(register_.setFees({{800, 500, 1000}}));
    ASSERT_FALSE(register_.setMemberType(kSuzuki, MemberType::Guest));
    ASSERT_FALSE(register_.arrive(kTonight, kSato, 1000));
    ASSERT_FALSE(register_.arrive(kTonight, kSuzuki, 1200));
    ASSERT_FALSE(register_.startBreak(kTonight, kSato, 2000));
    ASSERT_FALSE(register_.startBreak(kTonight, kSato, 2100)); // already on a break
    ASSERT_FALSE(register_.endBreak(kTonight, kSato, 2600));
    ASSERT_FALSE(register_.setLeavesAt(kTonight, kSato, 9000));
    ASSERT_FALSE(register_.leave(kTonight, kSuzuki, 5000));
    ASSERT_FALSE(register_.setPaid(kTonight, kSuzuki, true));
    ASSERT_FALSE(register_.setFeeDue(kTonight, kSato, 300));
    ASSERT_FALSE(register_.setMemberType(kTanaka, MemberType::Trial, kTonight));
    register_.close();
    open(register_);

    const std::vector<Presence> all = register_.presence(kTonight);
    ASSERT_EQ(all.size(), 3U);
    const Presence& sato = all[0];
    EXPECT_EQ(sato.member, kSato);
    EXPECT_EQ(sato.feeDue, 300);
    ASSERT_EQ(sato.breaks.size(), 1U);
    EXPECT_EQ(sato.breaks[0].from, 2000);
    EXPECT_EQ(sato.breaks[0].to, 2600);
    EXPECT_EQ(sato.leavesAt, 9000);
    const Presence& suzuki = all[1];
    EXPECT_EQ(suzuki.type, MemberType::Guest);
    EXPECT_EQ(suzuki.feeDue, 1000);
    EXPECT_TRUE(suzuki.paid);
    EXPECT_EQ(suzuki.left, 5000);
    const Presence& tanaka = all[2];
    EXPECT_EQ(tanaka.type, MemberType::Trial);
    EXPECT_EQ(tanaka.feeDue, 500);
    EXPECT_FALSE(tanaka.arrived);

    // Where Sato is through the night, and the time present.
    const std::pair<long long, PresenceState> states[] = {
        {900, PresenceState::NotArrived}, {1500, PresenceState::Present},
        {2000, PresenceState::OnBreak},   {2600, PresenceState::Present},
        {9000, PresenceState::Gone},
    };
    for (const auto& [at, state] : states) {
        EXPECT_EQ(sato.stateAt(at), state) << at;
    }
    EXPECT_EQ(sato.secondsPresent(3000), 3000 - 1000 - 600);
    EXPECT_EQ(sato.secondsPresent(20000), 9000 - 1000 - 600);
    EXPECT_EQ(suzuki.secondsPresent(20000), 5000 - 1200);
    // Back after leaving: present again, arrival kept.
    ASSERT_FALSE(register_.arrive(kTonight, kSuzuki, 6000));
    EXPECT_EQ(register_.presenceOf(kTonight, kSuzuki)->stateAt(6000), PresenceState::Present);
    EXPECT_EQ(register_.presenceOf(kTonight, kSuzuki)->arrived, 1200);
}

TEST_F(ClubRegisterTest, MembersMovedOrRenamedInTheMasterKeepTheirData) {
    open(register_);
    ASSERT_FALSE(register_.applyMasterEdits(
        {{},
         {{kSato, 4, MemberType::Member}, {kSuzuki, 2, MemberType::Trial}},
         std::vector<PairRule>{{kSato, kSuzuki, PairRuleKind::NeverPartner}}}));
    ASSERT_FALSE(register_.arrive(kTonight, kSato, 1000));
    // Sato and Suzuki trade lines, Suzuki is renamed, Tanaka leaves the master.
    const MemberRef newSato{2, u"佐藤"};
    const MemberRef newSuzuki{1, u"鈴木花"};
    ASSERT_FALSE(register_.applyMasterEdits(
        {{{kSato, newSato}, {kSuzuki, newSuzuki}, {kTanaka, std::nullopt}}, {}, std::nullopt}));
    EXPECT_EQ(register_.profile(newSato)->level, 4);
    EXPECT_EQ(register_.profile(newSuzuki)->level, 2);
    EXPECT_EQ(register_.profile(newSuzuki)->type, MemberType::Trial);
    EXPECT_FALSE(register_.profile(kSato));
    EXPECT_TRUE(register_.presenceOf(kTonight, newSato));
    const std::vector<PairRule> rules = register_.pairRules();
    ASSERT_EQ(rules.size(), 1U);
    EXPECT_EQ(rules[0].kind, PairRuleKind::NeverPartner);
    EXPECT_TRUE((rules[0].first == newSuzuki && rules[0].second == newSato) ||
                (rules[0].first == newSato && rules[0].second == newSuzuki));
}

TEST_F(ClubRegisterTest, MatchesAreLoggedFromStartToEnd) {
    open(register_);
    LoggedMatch match;
    match.meeting = kTonight;
    match.court = 2;
    match.sides = {std::vector<MemberRef>{kSato, kSuzuki}, std::vector<MemberRef>{kTanaka}};
    match.start = 1000;
    ASSERT_FALSE(register_.logMatchStart(match));
    match.end = 2500;
    match.outcome = MatchOutcome::Finished;
    match.gamesFirst = 6;
    match.gamesSecond = 4;
    ASSERT_FALSE(register_.logMatchEnd(match));
    // One that started while the register was closed is logged from its end.
    LoggedMatch unknown = match;
    unknown.sides = {std::vector<MemberRef>{kTanaka}, std::vector<MemberRef>{kSato}};
    unknown.outcome = MatchOutcome::Cancelled;
    unknown.end = 3000;
    ASSERT_FALSE(register_.logMatchEnd(unknown));

    const std::vector<LoggedMatch> logged = register_.matches(kTonight);
    ASSERT_EQ(logged.size(), 2U);
    EXPECT_EQ(logged[0].court, 2);
    EXPECT_EQ(logged[0].sides[0], match.sides[0]);
    EXPECT_EQ(logged[0].sides[1], match.sides[1]);
    EXPECT_EQ(logged[0].start, 1000);
    EXPECT_EQ(logged[0].end, 2500);
    EXPECT_EQ(logged[0].outcome, MatchOutcome::Finished);
    EXPECT_EQ(logged[0].gamesFirst * 10 + logged[0].gamesSecond, 64);
    EXPECT_EQ(logged[1].start, 3000);
    EXPECT_EQ(logged[1].outcome, MatchOutcome::Cancelled);
    EXPECT_TRUE(register_.matches({kTonight.dataFile, 4}).empty());
    EXPECT_EQ(register_.seasonMatches(kTonight.dataFile).size(), 2U);
}

TEST_F(ClubRegisterTest, BackupsHoldTheFilesAndTheRegisterAndKeepTheLastTwenty) {
    open(register_);
    ASSERT_FALSE(register_.arrive(kTonight, kSato, 1000));
    writeBytes(dir_.file("tennis.mst"), {1, 2, 3});
    const std::vector<std::filesystem::path> files = {dir_.file("tennis.mst"),
                                                      dir_.file("missing.rly")};
    for (int i = 0; i < 22; ++i) {
        std::tm when = moment(18, 0);
        when.tm_mday = 1 + i;
        ASSERT_FALSE(backupMeetingFiles(dir_.path(), files, register_, when));
    }
    std::vector<std::string> kept;
    for (const auto& entry : std::filesystem::directory_iterator(dir_.file("backup"))) {
        kept.push_back(entry.path().filename().string());
    }
    std::sort(kept.begin(), kept.end());
    ASSERT_EQ(kept.size(), 20U);
    EXPECT_EQ(kept.front(), "20261203-180000");
    const std::filesystem::path last = dir_.file("backup") / kept.back();
    EXPECT_EQ(readBytes(last / "tennis.mst"), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_FALSE(std::filesystem::exists(last / "missing.rly"));
    ClubRegister restored;
    ASSERT_EQ(restored.openFile(last / kRegisterFileName, moment(18, 0)).result,
              ClubRegister::OpenResult::Opened);
    EXPECT_TRUE(restored.presenceOf(kTonight, kSato));
}

TEST_F(ClubRegisterTest, AReadOnlyFolderOrAFullDiskLosesNothing) {
    open(register_);
    ASSERT_FALSE(register_.arrive(kTonight, kSato, 1000));
    register_.close();

    // A full disk: the file may not grow; every write then fails cleanly.
    const int fullDisk = fault::inChild([&] {
        ClubRegister child;
        CHILD_CHECK(child.open(dir_.path(), moment(18, 0)).result ==
                    ClubRegister::OpenResult::Opened);
        CHILD_CHECK(fault::limitFileSize(std::filesystem::file_size(dbFile()) +
                                         std::filesystem::file_size(dbFile().string() + "-wal")));
        RegisterError last;
        for (int i = 0; i < 200 && !last; ++i) {
            LoggedMatch match;
            match.meeting = kTonight;
            match.sides[0] = {{i, std::u16string(300, u'x')}};
            last = child.logMatchStart(match);
        }
        CHILD_CHECK(last.fault == RegisterFault::DiskFull);
        CHILD_CHECK(child.presenceOf(kTonight, kSato));
        return 0;
    });
    EXPECT_EQ(fullDisk, 0);

    // A read-only folder: the register cannot be used and is left as it was.
    const int readOnly = fault::inChild([&] {
        CHILD_CHECK(fault::obeyFileModes());
        fault::makeReadOnly(dir_.path());
        ClubRegister child;
        const ClubRegister::Opening opening = child.open(dir_.path(), moment(18, 0));
        fault::makeWritable(dir_.path());
        CHILD_CHECK(opening.result == ClubRegister::OpenResult::Unavailable);
        CHILD_CHECK(opening.error.fault == RegisterFault::ReadOnly);
        return 0;
    });
    EXPECT_EQ(readOnly, 0);

    ASSERT_EQ(open(register_).result, ClubRegister::OpenResult::Opened);
    EXPECT_EQ(register_.presenceOf(kTonight, kSato)->arrived, 1000);
    Statement check(register_.database(), "PRAGMA integrity_check");
    ASSERT_TRUE(check.step());
    EXPECT_EQ(check.text(0), u"ok");
}

} // namespace
