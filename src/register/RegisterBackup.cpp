#include "register/RegisterBackup.h"

#include "register/ClubRegister.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

std::string stampOf(const std::tm& now) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02d%02d-%02d%02d%02d", now.tm_year + 1900,
                  now.tm_mon + 1, now.tm_mday, now.tm_hour, now.tm_min, now.tm_sec);
    return text;
}

// A backup folder's name: fifteen characters "YYYYMMDD-HHMMSS", with an
// optional "-n" when two backups fall in one second.
bool isBackupName(const std::string& name) {
    if (name.size() < 15 || name[8] != '-') {
        return false;
    }
    for (std::size_t i = 0; i < 15; ++i) {
        if (i != 8 && (name[i] < '0' || name[i] > '9')) {
            return false;
        }
    }
    return true;
}

void removeOldest(const std::filesystem::path& backups, int keep) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(backups, error)) {
        const std::string name = entry.path().filename().string();
        if (entry.is_directory(error) && isBackupName(name)) {
            names.push_back(name);
        }
    }
    std::sort(names.begin(), names.end());
    const auto excess = static_cast<std::ptrdiff_t>(names.size()) - keep;
    for (std::ptrdiff_t i = 0; i < excess; ++i) {
        std::filesystem::remove_all(backups / names[static_cast<std::size_t>(i)], error);
    }
}

RegisterError fileError(const std::error_code& error) {
    const RegisterFault fault =
        error == std::errc::no_space_on_device || error == std::errc::file_too_large
            ? RegisterFault::DiskFull
            : RegisterFault::ReadOnly;
    return {fault, error.message()};
}

} // namespace

RegisterError backupMeetingFiles(const std::filesystem::path& workDir,
                                 const std::vector<std::filesystem::path>& files,
                                 ClubRegister& clubRegister, const std::tm& now, int keep) {
    const std::filesystem::path backups = workDir / kBackupFolderName;
    std::error_code error;
    std::filesystem::create_directories(backups, error);
    if (error) {
        return fileError(error);
    }
    std::filesystem::path folder = backups / stampOf(now);
    for (int n = 2; std::filesystem::exists(folder, error); ++n) {
        folder = backups / (stampOf(now) + "-" + std::to_string(n));
    }
    // Written under a temporary name and renamed when whole, so that a
    // backup cut short never counts as one of the kept.
    std::filesystem::path partial = folder;
    partial += ".partial";
    std::filesystem::remove_all(partial, error);
    std::filesystem::create_directory(partial, error);
    if (error) {
        return fileError(error);
    }
    const auto fail = [&](RegisterError failure) {
        std::error_code ignored;
        std::filesystem::remove_all(partial, ignored);
        return failure;
    };
    for (const std::filesystem::path& file : files) {
        if (!std::filesystem::is_regular_file(file, error)) {
            continue;
        }
        std::filesystem::copy_file(file, partial / file.filename(), error);
        if (error) {
            return fail(fileError(error));
        }
    }
    if (clubRegister.isOpen()) {
        if (RegisterError failed = clubRegister.backupTo(partial / kRegisterFileName)) {
            return fail(failed);
        }
    }
    std::filesystem::rename(partial, folder, error);
    if (error) {
        return fail(fileError(error));
    }
    removeOldest(backups, keep);
    return {};
}
