#include "cli/CliPlatform.h"

#include "text/Utf8.h"

void CliPlatform::showMessage(std::u16string_view text, std::u16string_view title) {
    messages_.emplace_back(text);
    err_ << "rallynote-cli: ";
    if (!title.empty()) {
        err_ << toUtf8(title) << ": ";
    }
    err_ << toUtf8(text) << '\n';
}

bool CliPlatform::askYesNo(std::u16string_view text, std::u16string_view) {
    messages_.emplace_back(text);
    return false;
}

void CliPlatform::beep() {
    ++beeps_;
}

void CliPlatform::openHelpPage(const std::string&) {}
