#include "storage/PictureLookup.h"

#include "text/NumberPattern.h"
#include "text/Utf8.h"

#include <system_error>

std::string photoFileName(int photoNo) {
    return "tenis" + toUtf8(formatNumber(photoNo, u"000")) + ".bmp";
}

PictureLookup lookupPicture(const std::filesystem::path& workDir, int photoNo, int sexFlag) {
    std::error_code ignored;
    PictureLookup result{photoFileName(photoNo), true};
    if (std::filesystem::is_regular_file(workDir / result.fileName, ignored)) {
        return result;
    }
    result.fileName = sexFlag == 0 ? "tenisman.bmp" : "teniswmn.bmp";
    result.found = std::filesystem::is_regular_file(workDir / result.fileName, ignored);
    return result;
}
