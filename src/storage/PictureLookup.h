#pragma once

#include <filesystem>
#include <string>

// The picture of a member: "tenis" + the photo number as three digits +
// ".bmp" in the working folder, else the default picture for the sex flag
// ("tenisman.bmp" for 0, "teniswmn.bmp" for any other value). Names are
// matched without regard to case, as the picture chooser offers them.
struct PictureLookup {
    std::string fileName; // bare file name in the working folder, as it is spelt there
    bool found = false;   // false: not even the default exists
};

PictureLookup lookupPicture(const std::filesystem::path& workDir, int photoNo, int sexFlag);

// "tenis" + the number in the pattern "000" + ".bmp".
std::string photoFileName(int photoNo);
