#pragma once

#include "register/RegisterError.h"

class Database;

// The register's tables. Version 1 held members, pair rules, check-ins
// with breaks and the match log; version 2 added the announced leaving time
// and the fee table.
inline constexpr int kRegisterSchemaVersion = 2;

// The user_version of the database (0 for a new, empty file).
int schemaVersionOf(Database& database);

// Brings the database from its version up to kRegisterSchemaVersion, one
// step after another, in one transaction. A database of a later version is
// refused (RegisterFault::Failed) and left as it is.
RegisterError upgradeSchema(Database& database);
