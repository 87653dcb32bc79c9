#pragma once

#include <filesystem>
#include <vector>

// Where a copy of the help pages and the default pictures may be found: an
// installed share folder or the source tree.
struct SupportSource {
    std::filesystem::path htmlDir;
    std::filesystem::path picturesDir;
};

// Copies the help pages ("html/*.htm" and their style sheet) and the default pictures
// ("tenisman.bmp", "teniswmn.bmp") into the working folder where they are
// missing, each from the first source that has it. Files already there are
// left alone (a club may have replaced them).
void copyMissingSupportFiles(const std::filesystem::path& workDir,
                             const std::vector<SupportSource>& sources);
