#pragma once

#include "FixedClock.h"
#include "ScriptedPlatform.h"
#include "StorageFixture.h"
#include "TempDir.h"
#include "app/LogCommands.h"
#include "app/MainLayout.h"
#include "app/Program.h"
#include "storage/SettingsStore.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

// A program on a fresh temporary working folder with in-memory settings, a
// fixed clock and scripted answers.
class ProgramFixture : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = temp_.path();
        clock_ = std::make_unique<FixedClock>(fixedMoment());
        restart();
    }
    void TearDown() override {
        program_.reset();
        std::filesystem::current_path("/");
    }

    // A new run of the program on the same folder and settings.
    void restart() {
        program_.reset();
        program_ = std::make_unique<Program>(platform_, *clock_, settings_, dir_);
        layout_ = MainLayout{};
    }

    // The designed window: 960 × 700 pixels, the grid at (126, 84).
    static WindowGeometry designed() {
        WindowGeometry g;
        g.window = {0, 0, 960 * kTwipsPerPixel, 700 * kTwipsPerPixel};
        g.innerWidth = g.window.width;
        g.grid = {126 * kTwipsPerPixel, 84 * kTwipsPerPixel, 820 * kTwipsPerPixel,
                  580 * kTwipsPerPixel};
        g.gridFixedRowHeight = 300;
        g.gridFixedColumnWidth = 900;
        g.frame = {120, 60, 8400, 1080};
        g.screenWidth = 1280 * kTwipsPerPixel;
        g.screenHeight = 1024 * kTwipsPerPixel;
        return g;
    }

    std::u16string logText() {
        std::u16string text;
        readLogText(*program_, text);
        return text;
    }

    std::uintmax_t fileSize(const std::string& name) const {
        return std::filesystem::file_size(dir_ / name);
    }

    std::u16string stored(std::u16string_view section, std::u16string_view name) const {
        return settings_.value(std::u16string(section), std::u16string(name))
            .value_or(u"(missing)");
    }

    MeetingState& state() { return program_->state; }
    Program& program() { return *program_; }

    TempDir temp_;
    std::filesystem::path dir_;
    std::unique_ptr<FixedClock> clock_;
    ScriptedPlatform platform_;
    MemorySettingsStore settings_;
    std::unique_ptr<Program> program_;
    MainLayout layout_;
};
