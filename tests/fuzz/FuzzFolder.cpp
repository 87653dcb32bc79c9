#include "FuzzFolder.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace {

class Folder {
public:
    Folder() {
        std::error_code ignored;
        const std::filesystem::path base = std::filesystem::is_directory("/dev/shm", ignored)
                                               ? std::filesystem::path("/dev/shm")
                                               : std::filesystem::temp_directory_path();
        std::string pattern = (base / "rallynote-fuzz-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("cannot make the fuzz folder");
        }
        path = pattern;
    }
    ~Folder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    std::filesystem::path path;
};

} // namespace

const std::filesystem::path& fuzzFolder() {
    static const Folder folder;
    return folder.path;
}

void writeInput(const char* name, const std::uint8_t* data, std::size_t size) {
    for (const auto& entry : std::filesystem::directory_iterator(fuzzFolder())) {
        std::filesystem::remove_all(entry.path());
    }
    std::ofstream out(fuzzFolder() / name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}
