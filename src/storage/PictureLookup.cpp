#include "storage/PictureLookup.h"

#include "text/NumberPattern.h"
#include "text/Utf8.h"

#include <system_error>

std::string photoFileName(int photoNo) {
    return "tenis" + toUtf8(formatNumber(photoNo, u"000")) + ".bmp";
}

PictureLookup lookupPicture(const std::filesystem::path& workDir, int PicNo, int sexFlag) {
    std::error_code ignored;
    PictureLookup result{photoFileName(PicNo), true};
    if (std::filesystem::is_regular_file(workDir / result.PicFile, ignored)) {
        return result;
    }
    result.PicFile = sexFlag == 0 ? "tenisman.bmp" : "teniswmn.bmp";
    result.PicFound = std::filesystem::is_regular_file(workDir / result.PicFile, ignored);
    return result;
}
