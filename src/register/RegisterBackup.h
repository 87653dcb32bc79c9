#pragma once

#include "register/RegisterError.h"

#include <ctime>
#include <filesystem>
#include <vector>

class ClubRegister;

inline constexpr int kBackupsKept = 20;
inline constexpr char kBackupFolderName[] = "backup";

// Copies the given files and the register (through SQLite's backup API)
// into a new folder "backup/YYYYMMDD-HHMMSS" of the working folder and then
// removes the oldest such folders beyond `keep`. Files that do not exist are
// left out; a closed register is left out. A failure leaves the earlier
// backups and every original untouched.
RegisterError backupMeetingFiles(const std::filesystem::path& workDir,
                                 const std::vector<std::filesystem::path>& files,
                                 ClubRegister& clubRegister, const std::tm& now,
                                 int keep = kBackupsKept);
