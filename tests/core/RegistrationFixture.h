#pragma once

#include "FixedClock.h"
#include "ScriptedPlatform.h"
#include "StorageFixture.h"
#include "TempDir.h"
#include "app/MasterFileCommands.h"
#include "app/MeetingFileCommands.h"
#include "app/Program.h"
#include "storage/SettingsStore.h"
#include "text/Utf8.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

// A program on a fresh temporary working folder, with a scripted platform,
// for the registration tests.
class RegistrationFixture : public ::testing::Test {
protected:
    void SetUp() override {
        dir = temp.path();
        clock = std::make_unique<FixedClock>(fixedMoment());
        program = std::make_unique<Program>(platform, *clock, settings, dir);
    }
    void TearDown() override { program.reset(); }

    // Writes a master of `count` members: member i has class code 10 + i,
    // photo number i, name "氏名i", short name "略i" and sex i % 2.
    void writeMaster(int count) {
        MemberMaster& master = program->master;
        master.memberCount = static_cast<std::int16_t>(count);
        for (int i = 1; i <= count; ++i) {
            MemberRecord& entry = master.members[static_cast<std::size_t>(i)];
            entry.classCode = static_cast<std::int16_t>(10 + i);
            entry.photoNo = static_cast<std::int16_t>(i);
            // Appended: GCC 12 at -O3 warns wrongly about u"..." + text.
            entry.name = std::u16string(u"氏名").append(number(i));
            entry.abbrev = std::u16string(u"略").append(number(i));
            entry.sex = static_cast<std::int16_t>(i % 2);
        }
        ASSERT_TRUE(writeMasterFile(platform, master));
    }

    // Makes "club.rly" the open data file holding `meetings` meetings; meeting
    // k is titled "第k回" and the newest one stays in the state.
    void openDataFile(int meetings) {
        MeetingState& state = program->state;
        const std::u16string path = fromPath(dir / "club.rly");
        state.currentPath = path;
        state.openName = path;
        resetMeeting(state, ResetTarget::NewMeeting);
        state.teamSize = {2, 2, 0};
        for (int k = 1; k <= meetings; ++k) {
            state.meetingCount = static_cast<std::int16_t>(k);
            state.meetingTitle = std::u16string(u"第").append(number(k)).append(u"回");
            ASSERT_TRUE(
                saveMeeting(*program, k == 1 ? SaveTarget::Meeting : SaveTarget::MeetingAndCount));
        }
    }

    void touch(const std::string& name) { std::ofstream(dir / name) << "BM"; }

    static std::u16string number(int i) {
        const std::string digits = std::to_string(i);
        return std::u16string(digits.begin(), digits.end());
    }
    static std::u16string fromPath(const std::filesystem::path& path) {
        return fromUtf8(path.string());
    }

    TempDir temp;
    std::filesystem::path dir;
    ScriptedPlatform platform;
    std::unique_ptr<FixedClock> clock;
    MemorySettingsStore settings;
    std::unique_ptr<Program> program;
};
