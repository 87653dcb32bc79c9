#pragma once

#include "register/RegisterError.h"

#include <filesystem>
#include <string_view>

struct sqlite3;

// One open SQLite connection, closed when it goes. Moves, never copies.
class Database {
public:
    Database() = default;
    ~Database();
    Database(Database&& other) noexcept;
    Database& operator=(Database&& other) noexcept;
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    enum class Mode { ReadWrite, Create, ReadOnly };
    // Opens the file: read-write, read-write creating a missing file, or
    // only for reading.
    RegisterError open(const std::filesystem::path& file, Mode mode);
    void close();
    bool isOpen() const { return handle_ != nullptr; }

    // Runs one or more statements that return no rows.
    RegisterError exec(std::string_view sql);
    // The error of a result code, with the connection's message.
    RegisterError errorOf(int code) const;

    sqlite3* handle() const { return handle_; }

private:
    sqlite3* handle_ = nullptr;
};
