#pragma once

#include "register/RegisterError.h"

#include <optional>
#include <string>
#include <string_view>

class Database;
struct sqlite3_stmt;

// One prepared statement, finalized when it goes. Parameters are numbered
// from 1, columns from 0; text goes in and out as UTF-16 and is stored as
// UTF-8. A statement that failed to prepare reports the error at step().
class Statement {
public:
    Statement(Database& database, std::string_view sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    Statement& bind(int index, long long value);
    Statement& bind(int index, std::u16string_view text);
    Statement& bind(int index, const std::optional<long long>& value);
    Statement& bindNull(int index);

    // Advances to the next row: true while a row is there. After false,
    // error() tells whether the statement ran to its end.
    bool step();
    // Runs a statement that returns no rows.
    RegisterError run();
    void reset();

    long long integer(int column) const;
    std::optional<long long> optionalInteger(int column) const;
    std::u16string text(int column) const;

    const RegisterError& error() const { return error_; }

private:
    Database& database_;
    sqlite3_stmt* statement_ = nullptr;
    RegisterError error_;
};
