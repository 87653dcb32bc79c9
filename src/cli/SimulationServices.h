#pragma once

#include "platform/Clock.h"
#include "platform/Platform.h"

#include <filesystem>
#include <string>

// What the simulated program runs on instead of a person, a wall clock and
// a club's working folder.

// A clock the simulation sets: seconds as secondsOf counts them.
class SimulationClock : public Clock {
public:
    std::tm now() const override;
    void set(long long seconds) { seconds_ = seconds; }
    long long seconds() const { return seconds_; }

private:
    long long seconds_ = 0;
};

// The organiser at the keyboard: every question is answered Yes; the last
// message is kept to explain a step that failed.
class SimulationPlatform : public Platform {
public:
    void showMessage(std::u16string_view text, std::u16string_view title) override;
    bool askYesNo(std::u16string_view text, std::u16string_view title) override;
    void beep() override {}
    std::u16string chooseOpenFile() override { return {}; }
    std::u16string chooseSaveFile() override { return {}; }
    void openHelpPage(const std::string& path) override;

    const std::u16string& lastMessage() const { return lastMessage_; }

private:
    std::u16string lastMessage_;
};

// The simulated program's own working folder, so that its activity log and
// settings never mix with a club's; removed at the end.
class PrivateFolder {
public:
    PrivateFolder();
    ~PrivateFolder();
    PrivateFolder(const PrivateFolder&) = delete;
    PrivateFolder& operator=(const PrivateFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};
