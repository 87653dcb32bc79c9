#pragma once

#include "FixedClock.h"
#include "ScriptedPlatform.h"
#include "TempDir.h"
#include "app/Program.h"
#include "storage/SettingsStore.h"

#include <memory>

#include <gtest/gtest.h>

// A program on a fresh working folder with a scripted platform and a clock
// fixed at 2026-12-07 13:05:09.
class StorageFixture : public ::testing::Test {
protected:
    StorageFixture();

    // A second program on the same folder, as after a restart.
    std::unique_ptr<Program> restart();

    // A new scratch meeting completed until the file holds `meetings`
    // meetings; meeting k has title "第k回" and result (0, 1, 2) = k.
    void makeMeetings(int meetings);

    std::filesystem::path fileOf(const std::u16string& path) const;

    TempDir dir;
    ScriptedPlatform platform;
    FixedClock clock;
    MemorySettingsStore settings;
    Program program;
    MeetingState& state;
};

std::tm fixedMoment();
