#include "app/SupportFiles.h"

#include <system_error>

namespace {

void copyIfMissing(const std::filesystem::path& from, const std::filesystem::path& to) {
    std::error_code error;
    if (std::filesystem::exists(to, error) || !std::filesystem::is_regular_file(from, error)) {
        return;
    }
    std::filesystem::create_directories(to.parent_path(), error);
    std::filesystem::copy_file(from, to, error);
}

} // namespace

void copyMissingSupportFiles(const std::filesystem::path& workDir,
                             const std::vector<SupportSource>& sources) {
    for (const SupportSource& source : sources) {
        std::error_code error;
        for (std::filesystem::directory_iterator it(source.htmlDir, error), end;
             !error && it != end; it.increment(error)) {
            const std::filesystem::path extension = it->path().extension();
            if (extension == ".htm" || extension == ".css") {
                copyIfMissing(it->path(), workDir / "html" / it->path().filename());
            }
        }
        for (const char* picture : {"tenisman.bmp", "teniswmn.bmp"}) {
            copyIfMissing(source.picturesDir / picture, workDir / picture);
        }
    }
}
