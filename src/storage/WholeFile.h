#pragma once

#include <filesystem>
#include <string_view>

// Writes a whole file so that it is never left half-written: the bytes go to
// a new file beside it, reach the disk, and only then take the file's name.
// On failure the file is as it was before and nothing is left behind.
bool writeWholeFile(const std::filesystem::path& path, std::string_view bytes);
