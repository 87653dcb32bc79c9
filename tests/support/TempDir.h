#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string_view>
#include <vector>

// A fresh folder under the system's temporary folder, removed with all its
// contents when the helper goes.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path file(std::string_view name) const;

private:
    std::filesystem::path path_;
};

// Fixture files, byte for byte.
std::vector<std::uint8_t> readBytes(const std::filesystem::path& file);
void writeBytes(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes);

// Runs `body` in a forked child whose files may not grow beyond `limit`
// bytes (a full disk: writes past it fail with EFBIG); returns the child's
// exit code, or -1 when it did not exit normally. `body` returns the code.
int runWithFileSizeLimit(std::uintmax_t limit, const std::function<int()>& body);
