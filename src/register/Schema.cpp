#include "register/Schema.h"

#include "register/Database.h"
#include "register/Statement.h"
#include "register/Transaction.h"

#include <array>
#include <string>

namespace {

// Step n brings version n to n + 1.
constexpr std::array<const char*, kRegisterSchemaVersion> kSteps = {
    R"sql(
CREATE TABLE members(
    id INTEGER PRIMARY KEY,
    master_line INTEGER NOT NULL,
    abbrev TEXT NOT NULL,
    level INTEGER NOT NULL DEFAULT 0,
    type INTEGER NOT NULL DEFAULT 0);
CREATE INDEX members_by_ref ON members(master_line, abbrev);
CREATE TABLE pair_rules(
    first INTEGER NOT NULL REFERENCES members(id) ON DELETE CASCADE,
    second INTEGER NOT NULL REFERENCES members(id) ON DELETE CASCADE,
    kind INTEGER NOT NULL,
    PRIMARY KEY(first, second));
CREATE TABLE presence(
    data_file TEXT NOT NULL,
    meeting INTEGER NOT NULL,
    member INTEGER NOT NULL REFERENCES members(id),
    arrived INTEGER,
    left_at INTEGER,
    type INTEGER NOT NULL DEFAULT 0,
    fee_due INTEGER NOT NULL DEFAULT 0,
    paid INTEGER NOT NULL DEFAULT 0,
    PRIMARY KEY(data_file, meeting, member));
CREATE TABLE breaks(
    data_file TEXT NOT NULL,
    meeting INTEGER NOT NULL,
    member INTEGER NOT NULL,
    start INTEGER NOT NULL,
    end INTEGER,
    FOREIGN KEY(data_file, meeting, member) REFERENCES presence(data_file, meeting, member)
        ON DELETE CASCADE);
CREATE TABLE matches(
    id INTEGER PRIMARY KEY,
    data_file TEXT NOT NULL,
    meeting INTEGER NOT NULL,
    court INTEGER NOT NULL,
    start INTEGER NOT NULL,
    end INTEGER,
    outcome INTEGER NOT NULL,
    games_first INTEGER NOT NULL DEFAULT 0,
    games_second INTEGER NOT NULL DEFAULT 0);
CREATE INDEX matches_by_meeting ON matches(data_file, meeting);
CREATE TABLE match_players(
    match INTEGER NOT NULL REFERENCES matches(id) ON DELETE CASCADE,
    side INTEGER NOT NULL,
    position INTEGER NOT NULL,
    member INTEGER NOT NULL REFERENCES members(id),
    PRIMARY KEY(match, side, position));
)sql",
    R"sql(
ALTER TABLE presence ADD COLUMN leaves_at INTEGER;
CREATE TABLE fees(type INTEGER PRIMARY KEY, yen INTEGER NOT NULL);
INSERT INTO fees(type, yen) VALUES (0, 0), (1, 0), (2, 0);
)sql",
};

} // namespace

int schemaVersionOf(Database& database) {
    Statement query(database, "PRAGMA user_version");
    return query.step() ? static_cast<int>(query.integer(0)) : -1;
}

RegisterError upgradeSchema(Database& database) {
    Transaction transaction(database);
    if (transaction.beginError()) {
        return transaction.beginError();
    }
    const int version = schemaVersionOf(database);
    if (version < 0 || version > kRegisterSchemaVersion) {
        return {RegisterFault::Failed, "schema version " + std::to_string(version)};
    }
    for (int step = version; step < kRegisterSchemaVersion; ++step) {
        if (RegisterError error = database.exec(kSteps[static_cast<std::size_t>(step)])) {
            return error;
        }
    }
    if (version != kRegisterSchemaVersion) {
        const std::string pragma =
            "PRAGMA user_version = " + std::to_string(kRegisterSchemaVersion);
        if (RegisterError error = database.exec(pragma)) {
            return error;
        }
    }
    return transaction.commit();
}
