#pragma once

#include <filesystem>
#include <string>
#include <string_view>

class Platform;

// Help pages of the windows, in the folder "html" of the working folder.
namespace HelpPage {
inline constexpr char kContents[] = "RLY_MM.htm";
inline constexpr char kMasterEditor[] = "TENIS1.htm";
inline constexpr char kTeamInfo[] = "TENIS3.htm";
inline constexpr char kRoster[] = "TENIS4.htm";
inline constexpr char kMainWindow[] = "TENIS5.htm";
inline constexpr char kResultEntry[] = "TENIS6.htm";
inline constexpr char kCorrection[] = "TENIS7.htm";
inline constexpr char kLogViewer[] = "TENIS8.htm";
inline constexpr char kReport[] = "TENIS10.htm";
inline constexpr char kSuggestions[] = "TENIS11.htm";
inline constexpr char kCourtBoard[] = "TENIS12.htm";
inline constexpr char kCheckIn[] = "TENIS13.htm";
inline constexpr char kAttendance[] = "TENIS14.htm";
inline constexpr char kPhones[] = "TENIS15.htm";
} // namespace HelpPage

// The path of a help page: <working folder>/html/<page>.
std::filesystem::path helpPagePath(const std::filesystem::path& workDir, std::string_view page);

// Opens a help page in the system's viewer. The windows open their page on
// F1 (platform/qt/HelpShortcut.h).
void showHelp(Platform& platform, const std::filesystem::path& workDir, std::string_view page);

// "Version" followed by the three numbers, each written with the one leading
// blank of a non-negative number: "Version  2. 1. 0".
std::u16string versionLabel(int major, int minor, int revision);

// The version of this program.
std::u16string programVersionLabel();

// The text of the main window's explanation panel.
std::u16string_view explanationText();
