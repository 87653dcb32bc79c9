#include "cli/SimulationServices.h"

#include <system_error>
#include <unistd.h>

std::tm SimulationClock::now() const {
    const auto seconds = static_cast<std::time_t>(seconds_);
    std::tm moment{};
    gmtime_r(&seconds, &moment);
    return moment;
}

void SimulationPlatform::showMessage(std::u16string_view text, std::u16string_view) {
    lastMessage_ = text;
}

bool SimulationPlatform::askYesNo(std::u16string_view, std::u16string_view) {
    return true;
}

void SimulationPlatform::openHelpPage(const std::string&) {}

PrivateFolder::PrivateFolder() {
    std::error_code ignored;
    path_ = std::filesystem::temp_directory_path(ignored) /
            ("rallynote-simulate-" + std::to_string(getpid()));
    std::filesystem::create_directories(path_, ignored);
}

PrivateFolder::~PrivateFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}
