#pragma once

#include <filesystem>

// Copies the default member pictures "tenisman.bmp" and "teniswmn.bmp" into
// the working folder when they are missing there, so that a member without
// a photo of their own shows one. Returns false when a copy failed.
bool installDefaultPictures(const std::filesystem::path& workDir);
