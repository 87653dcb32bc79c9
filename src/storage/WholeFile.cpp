#include "storage/WholeFile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace {

constexpr int kNameAttempts = 100;

// A new file in the target's folder, created exclusively so that no other
// file is ever overwritten.
int createBeside(const std::filesystem::path& path, std::filesystem::path& created) {
    for (int n = 0; n < kNameAttempts; ++n) {
        std::filesystem::path candidate = path;
        candidate += ".part" + std::to_string(::getpid()) + "-" + std::to_string(n);
        const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            created = candidate;
            return fd;
        }
        if (errno != EEXIST) {
            return -1;
        }
    }
    return -1;
}

bool writeAll(int fd, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t put = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (put < 0 && errno == EINTR) {
            continue;
        }
        if (put <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(put);
    }
    return true;
}

void syncFolder(const std::filesystem::path& path) {
    std::filesystem::path folder = path.parent_path();
    if (folder.empty()) {
        folder = ".";
    }
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

bool writeWholeFile(const std::filesystem::path& path, std::string_view bytes) {
    std::filesystem::path part;
    const int fd = createBeside(path, part);
    if (fd < 0) {
        return false;
    }
    bool written = writeAll(fd, bytes);
    written = ::fsync(fd) == 0 && written;
    written = ::close(fd) == 0 && written;
    if (!written || std::rename(part.c_str(), path.c_str()) != 0) {
        ::unlink(part.c_str());
        return false;
    }
    syncFolder(path);
    return true;
}
