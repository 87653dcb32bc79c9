#include "app/WorkingFolder.h"

#include <cstdlib>
#include <system_error>
#include <unistd.h>

std::filesystem::path workingFolder(const std::filesystem::path& executableDir) {
    if (const char* home = std::getenv("RALLYNOTE_HOME"); home != nullptr && *home != '\0') {
        std::error_code ignored;
        std::filesystem::create_directories(home, ignored);
        return home;
    }
    if (!executableDir.empty() && access(executableDir.c_str(), W_OK) == 0) {
        return executableDir;
    }
    std::filesystem::path dataHome;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg != nullptr && *xdg != '\0') {
        dataHome = xdg;
    } else if (const char* userHome = std::getenv("HOME"); userHome != nullptr) {
        dataHome = std::filesystem::path(userHome) / ".local" / "share";
    } else {
        dataHome = std::filesystem::temp_directory_path();
    }
    std::filesystem::path folder = dataHome / "rallynote";
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    return folder;
}
