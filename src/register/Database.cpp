#include "register/Database.h"

#include <sqlite3.h>

#include <string>
#include <utility>

Database::~Database() {
    close();
}

Database::Database(Database&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}

Database& Database::operator=(Database&& other) noexcept {
    if (this != &other) {
        close();
        handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
}

RegisterError Database::open(const std::filesystem::path& file, Mode mode) {
    close();
    const int flags = mode == Mode::ReadOnly ? SQLITE_OPEN_READONLY
                      : mode == Mode::Create ? SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE
                                             : SQLITE_OPEN_READWRITE;
    const int code = sqlite3_open_v2(file.c_str(), &handle_, flags, nullptr);
    if (code != SQLITE_OK) {
        RegisterError error = errorOf(code);
        close();
        return error;
    }
    sqlite3_extended_result_codes(handle_, 1);
    return {};
}

void Database::close() {
    if (handle_ != nullptr) {
        sqlite3_close_v2(handle_);
        handle_ = nullptr;
    }
}

RegisterError Database::exec(std::string_view sql) {
    if (handle_ == nullptr) {
        return {RegisterFault::Unavailable, "closed"};
    }
    const std::string text(sql);
    return errorOf(sqlite3_exec(handle_, text.c_str(), nullptr, nullptr, nullptr));
}

RegisterError Database::errorOf(int code) const {
    const RegisterFault fault = faultOfSqliteCode(code);
    if (fault == RegisterFault::None) {
        return {};
    }
    std::string detail = sqlite3_errstr(code);
    if (handle_ != nullptr) {
        detail += std::string(": ") + sqlite3_errmsg(handle_);
    }
    return {fault, detail};
}
