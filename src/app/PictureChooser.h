#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

class Platform;

// The rules of the picture chooser "写真の選択": folder and ".bmp" file lists
// that start at the working folder, a preview of the file clicked, and ＯＫ,
// which turns the chosen file's name into a photo number.
class PictureChooser {
public:
    PictureChooser(Platform& platform, std::filesystem::path workDir);

    // Moves the lists to another folder (a drive's root or a folder chosen in
    // the folder list); the file choice is dropped.
    void chooseFolder(const std::filesystem::path& folder);
    // A file clicked in the file list; empty when the name is not listed.
    void chooseFile(const std::string& name);

    const std::filesystem::path& folder() const { return folder_; }
    // The folder list: ".." while the folder has a parent, then its
    // subfolders, sorted.
    std::vector<std::string> folders() const;
    // The ".bmp" files of the folder (any case of the extension), sorted.
    std::vector<std::string> files() const;
    // What the preview shows: the folder path and the chosen file.
    std::filesystem::path previewPath() const;
    const std::string& chosenFile() const { return chosen_; }

    // ＯＫ: the number written by the last three characters before ".bmp".
    // Refused with a beep, and nothing chosen, when no file is chosen, when
    // those characters are not three digits, or when the file is not in the
    // working folder (photos are looked up there by their bare name).
    std::optional<int> ok();

private:
    Platform& platform_;
    std::filesystem::path workDir_;
    std::filesystem::path folder_;
    std::string chosen_;
};
