#pragma once

#include "platform/Platform.h"

#include <ostream>
#include <string>
#include <vector>

// The command-line tool's platform: nothing is shown and nothing is asked.
// Messages go to the error stream at once and are kept; beeps are counted;
// every question is answered No and every file dialog is cancelled.
class CliPlatform : public Platform {
public:
    explicit CliPlatform(std::ostream& err) : err_(err) {}

    void showMessage(std::u16string_view text, std::u16string_view title) override;
    bool askYesNo(std::u16string_view text, std::u16string_view title) override;
    void beep() override;
    std::u16string chooseOpenFile() override { return {}; }
    std::u16string chooseSaveFile() override { return {}; }
    void openHelpPage(const std::string& path) override;

    int beeps() const { return beeps_; }
    const std::vector<std::u16string>& messages() const { return messages_; }

private:
    std::ostream& err_;
    int beeps_ = 0;
    std::vector<std::u16string> messages_;
};
