#include "FaultInjection.h"

#include "TempDir.h"

#include "storage/RecordJournal.h"

#include <csignal>
#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fault {

int inChild(const std::function<int()>& body) {
    const pid_t child = ::fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        ::_exit(body());
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status)) {
        return -1;
    }
    return WEXITSTATUS(status);
}

bool obeyFileModes() {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    if (::syscall(SYS_capget, &header, data) != 0) {
        return false;
    }
    const std::uint32_t overrides =
        (1U << CAP_DAC_OVERRIDE) | (1U << CAP_DAC_READ_SEARCH) | (1U << CAP_FOWNER);
    data[0].effective &= ~overrides;
    return ::syscall(SYS_capset, &header, data) == 0;
}

bool limitFileSize(std::uintmax_t limit) {
    rlimit size{};
    if (::getrlimit(RLIMIT_FSIZE, &size) != 0) {
        return false;
    }
    size.rlim_cur = static_cast<rlim_t>(limit);
    return ::setrlimit(RLIMIT_FSIZE, &size) == 0;
}

bool liftFileSizeLimit() {
    rlimit size{};
    if (::getrlimit(RLIMIT_FSIZE, &size) != 0) {
        return false;
    }
    size.rlim_cur = size.rlim_max;
    return ::setrlimit(RLIMIT_FSIZE, &size) == 0;
}

void makeReadOnly(const std::filesystem::path& path) {
    using std::filesystem::perms;
    std::filesystem::permissions(path,
                                 perms::owner_write | perms::group_write | perms::others_write,
                                 std::filesystem::perm_options::remove);
}

void makeWritable(const std::filesystem::path& path) {
    std::filesystem::permissions(path, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
}

std::map<std::string, std::vector<std::uint8_t>> snapshot(const std::filesystem::path& folder) {
    std::map<std::string, std::vector<std::uint8_t>> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.is_regular_file() && entry.path().extension() != ".journal") {
            files[entry.path().filename().string()] = readBytes(entry.path());
        }
    }
    return files;
}

bool unfinishedSave(const std::filesystem::path& file) {
    const auto bytes = readBytes(journal::pathOf(file));
    return bytes.size() >= journal::kMagicSize && journal::isLive(bytes.data());
}

} // namespace fault
