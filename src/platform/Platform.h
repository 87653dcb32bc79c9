#pragma once

#include <string>
#include <string_view>

// The window system's services that the program's rules call: message boxes,
// questions, the beep, the file dialogs and help pages. The window program
// implements it on Qt; tests use a scripted double; the command-line tool
// its own quiet one.
class Platform {
public:
    virtual ~Platform() = default;

    // An OK box with the exclamation icon. An empty title means the box has
    // no title of its own (the window system shows the program's name).
    virtual void showMessage(std::u16string_view text, std::u16string_view title) = 0;

    // A Yes/No box with the question icon and No as the default button;
    // true only for Yes.
    virtual bool askYesNo(std::u16string_view text, std::u16string_view title) = 0;

    virtual void beep() = 0;

    // The open and save dialogs for data files; an empty result means the
    // user cancelled.
    virtual std::u16string chooseOpenFile() = 0;
    virtual std::u16string chooseSaveFile() = 0;

    // The save dialog for CSV files, offering the suggested file name; an
    // empty result means the user cancelled. A platform without dialogs (the
    // command-line tool's) answers as if cancelled.
    virtual std::u16string chooseCsvSaveFile(std::u16string_view suggestedName) {
        static_cast<void>(suggestedName);
        return {};
    }

    // Opens a help page (an absolute path) in the system's viewer.
    virtual void openHelpPage(const std::string& path) = 0;
};

// The title of the program's message boxes.
inline constexpr std::u16string_view kAppTitle = u"ラリーノート";

// The filter of the data-file dialogs: description|pattern pairs.
inline constexpr std::u16string_view kDataFileFilter =
    u"試合成績 ﾌｧｲﾙ (*.rly)|*.rly|全ての ﾌｧｲﾙ (*.*)|*.*";

// The filter of the CSV save dialog, in the same form.
inline constexpr std::u16string_view kCsvFileFilter =
    u"CSV ﾌｧｲﾙ (*.csv)|*.csv|全ての ﾌｧｲﾙ (*.*)|*.*";
