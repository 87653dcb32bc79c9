#pragma once

#include <filesystem>

// The folder the data files, "tennis.mst", "tennis.log", the photos and the
// help pages live in: RALLYNOTE_HOME when set, else the executable's folder
// when it is writable, else a per-user data folder (created when missing).
std::filesystem::path workingFolder(const std::filesystem::path& executableDir);
