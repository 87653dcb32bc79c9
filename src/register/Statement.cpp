#include "register/Statement.h"

#include "register/Database.h"
#include "text/Utf8.h"

#include <sqlite3.h>

Statement::Statement(Database& database, std::string_view sql) : database_(database) {
    if (!database.isOpen()) {
        error_ = {RegisterFault::Unavailable, "closed"};
        return;
    }
    const int code = sqlite3_prepare_v2(database.handle(), sql.data(), static_cast<int>(sql.size()),
                                        &statement_, nullptr);
    error_ = database.errorOf(code);
}

Statement::~Statement() {
    sqlite3_finalize(statement_);
}

Statement& Statement::bind(int index, long long value) {
    sqlite3_bind_int64(statement_, index, value);
    return *this;
}

Statement& Statement::bind(int index, std::u16string_view text) {
    const std::string utf8 = toUtf8(text);
    sqlite3_bind_text(statement_, index, utf8.data(), static_cast<int>(utf8.size()),
                      SQLITE_TRANSIENT);
    return *this;
}

Statement& Statement::bind(int index, const std::optional<long long>& value) {
    return value ? bind(index, *value) : bindNull(index);
}

Statement& Statement::bindNull(int index) {
    sqlite3_bind_null(statement_, index);
    return *this;
}

bool Statement::step() {
    if (statement_ == nullptr) {
        return false;
    }
    const int code = sqlite3_step(statement_);
    if (code == SQLITE_ROW) {
        return true;
    }
    error_ = database_.errorOf(code);
    return false;
}

RegisterError Statement::run() {
    while (step()) {
    }
    return error_;
}

void Statement::reset() {
    sqlite3_reset(statement_);
    sqlite3_clear_bindings(statement_);
}

long long Statement::integer(int column) const {
    return sqlite3_column_int64(statement_, column);
}

std::optional<long long> Statement::optionalInteger(int column) const {
    if (sqlite3_column_type(statement_, column) == SQLITE_NULL) {
        return std::nullopt;
    }
    return integer(column);
}

std::u16string Statement::text(int column) const {
    const auto* bytes = sqlite3_column_text(statement_, column);
    if (bytes == nullptr) {
        return {};
    }
    const int size = sqlite3_column_bytes(statement_, column);
    return fromUtf8(
        std::string_view(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(size)));
}
