#include "storage/PictureLookup.h"

#include "text/NumberPattern.h"
#include "text/Utf8.h"

#include <algorithm>
#include <cctype>
#include <system_error>

namespace {

std::string lowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The name of the regular file in the folder that is `name` without regard
// to case ("TENIS046.BMP" for "tenis046.bmp"), the exact name first; empty
// when there is none.
std::string fileNamed(const std::filesystem::path& folder, const std::string& name) {
    std::error_code error;
    if (std::filesystem::is_regular_file(folder / name, error)) {
        return name;
    }
    const std::string wanted = lowerCase(name);
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        std::error_code ignored;
        const std::string found = it->path().filename().string();
        if (lowerCase(found) == wanted && it->is_regular_file(ignored)) {
            return found;
        }
    }
    return {};
}

} // namespace

std::string photoFileName(int photoNo) {
    return "tenis" + toUtf8(formatNumber(photoNo, u"000")) + ".bmp";
}

PictureLookup lookupPicture(const std::filesystem::path& workDir, int photoNo, int sexFlag) {
    if (std::string photo = fileNamed(workDir, photoFileName(photoNo)); !photo.empty()) {
        return {std::move(photo), true};
    }
    const std::string fallback = sexFlag == 0 ? "tenisman.bmp" : "teniswmn.bmp";
    const std::string found = fileNamed(workDir, fallback);
    return {found.empty() ? fallback : found, !found.empty()};
}
