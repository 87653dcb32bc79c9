#pragma once

#include <string>

// Why a register operation failed. The register never shows a message
// itself: every operation returns what went wrong and the app layer tells
// the user.
enum class RegisterFault {
    None,
    Locked,      // another running copy holds the database
    ReadOnly,    // the folder or the file cannot be written
    DiskFull,    // no room left (or the file size limit reached)
    Corrupt,     // the file is not a database or fails its check
    Unavailable, // the register is not open
    Failed,      // any other error of the database
};

struct RegisterError {
    RegisterFault fault = RegisterFault::None;
    std::string detail; // the database's own words, for the log of a developer

    bool failed() const { return fault != RegisterFault::None; }
    explicit operator bool() const { return failed(); }
};

// The fault of an SQLite result code (primary or extended).
RegisterFault faultOfSqliteCode(int code);
