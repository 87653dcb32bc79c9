#include "app/PictureChooser.h"

#include "platform/Platform.h"

#include <algorithm>
#include <cctype>
#include <system_error>

namespace {

bool hasBitmapExtension(const std::string& name) {
    if (name.size() < 4) {
        return false;
    }
    std::string extension = name.substr(name.size() - 4);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".bmp";
}

std::vector<std::string> listFolder(const std::filesystem::path& folder, bool wantFolders) {
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        std::error_code ignored;
        const std::string name = it->path().filename().string();
        if (wantFolders ? it->is_directory(ignored)
                        : it->is_regular_file(ignored) && hasBitmapExtension(name)) {
            names.push_back(name);
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

PictureChooser::PictureChooser(Platform& platform, std::filesystem::path workDir)
    : platform_(platform), workDir_(std::move(workDir)), folder_(workDir_) {}

void PictureChooser::chooseFolder(const std::filesystem::path& folder) {
    std::error_code ignored;
    std::filesystem::path canonical = std::filesystem::weakly_canonical(folder, ignored);
    folder_ = canonical.empty() ? folder : canonical;
    chosen_.clear();
}

void PictureChooser::chooseFile(const std::string& name) {
    const std::vector<std::string> listed = files();
    chosen_ = std::find(listed.begin(), listed.end(), name) != listed.end() ? name : std::string();
}

std::vector<std::string> PictureChooser::folders() const {
    std::vector<std::string> names = listFolder(folder_, true);
    if (folder_.has_relative_path()) {
        names.insert(names.begin(), "..");
    }
    return names;
}

std::vector<std::string> PictureChooser::files() const {
    return listFolder(folder_, false);
}

std::filesystem::path PictureChooser::previewPath() const {
    return chosen_.empty() ? std::filesystem::path() : folder_ / chosen_;
}

std::optional<int> PictureChooser::ok() {
    std::error_code error;
    const bool inWorkingFolder =
        !chosen_.empty() && std::filesystem::equivalent(folder_, workDir_, error) && !error;
    const std::string stem =
        chosen_.size() >= 4 ? chosen_.substr(0, chosen_.size() - 4) : std::string();
    const bool digits = stem.size() >= 3 && std::all_of(stem.end() - 3, stem.end(), [](char c) {
                            return c >= '0' && c <= '9';
                        });
    if (!inWorkingFolder || !hasBitmapExtension(chosen_) || !digits ||
        !std::filesystem::is_regular_file(workDir_ / chosen_, error)) {
        platform_.beep();
        return std::nullopt;
    }
    return std::stoi(stem.substr(stem.size() - 3));
}
