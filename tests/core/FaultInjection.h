#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

// Faults a test sets up in a forked child, so they never reach the test
// program itself. Each returns false when the fault cannot be set up.
namespace fault {

// Runs `body` in a forked child and returns its exit code (-1 when it did not
// exit normally).
int inChild(const std::function<int()>& body);

// Drops the capabilities that let root write through file modes, so a
// read-only file or folder refuses writes as it does for any user. The
// child's user still owns the files and may change their modes back.
bool obeyFileModes();

// Files may not grow beyond `limit` bytes (a full disk: writes past it fail
// with EFBIG) until liftFileSizeLimit().
bool limitFileSize(std::uintmax_t limit);
bool liftFileSizeLimit();

void makeReadOnly(const std::filesystem::path& path);
void makeWritable(const std::filesystem::path& path);

// Every file of a folder with its bytes, but for the journals, which saves
// keep and overwrite.
std::map<std::string, std::vector<std::uint8_t>> snapshot(const std::filesystem::path& folder);

// True when the journal beside `file` holds a save not yet finished.
bool unfinishedSave(const std::filesystem::path& file);

} // namespace fault

// In a child's body: ends the child with the failing line as its exit code.
#define CHILD_CHECK(condition)                                                                     \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            return __LINE__ % 250 + 1;                                                             \
        }                                                                                          \
    } while (false)
