#pragma once

#include "FixedClock.h"
#include "ScriptedPlatform.h"
#include "TempDir.h"
#include "app/LogCommands.h"
#include "app/MeetingFileCommands.h"
#include "app/Program.h"
#include "storage/SettingsStore.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

// A program on a fresh temporary folder with a data file holding one
// meeting: team A of six members "Ａ甲1".."Ａ甲6", team B of six "Ｂ乙1"..
// "Ｂ乙6", every pair a first-class candidate.
class MatchFixture : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = temp_.path();
        program_ = std::make_unique<Program>(platform_, clock_, settings_, dir_);
        MeetingState& s = state();
        ASSERT_TRUE(createScratchFile(*program_));
        s.meetingCount = 1;
        s.teamSize = {6, 6, 0};
        for (int slot = 1; slot <= 6; ++slot) {
            const std::u16string digit(1, static_cast<char16_t>(u'0' + slot));
            s.memberAbbrev[0][slot] = u"Ａ甲" + digit;
            s.memberAbbrev[1][slot] = u"Ｂ乙" + digit;
            s.memberStatus[1][slot] = 1;
        }
        ASSERT_TRUE(saveMeeting(*program_, SaveTarget::Meeting));
    }

    MeetingState& state() { return program_->state; }
    Program& program() { return *program_; }

    // Puts a match on the next running slot as the confirmation's decide does.
    void startRunning(int team0, int a0, int b0, int team1, int a1, int b1) {
        MeetingState& s = state();
        s.pickTeam = {static_cast<std::int16_t>(team0), static_cast<std::int16_t>(team1), 0};
        s.pickMember1 = {static_cast<std::int16_t>(a0), static_cast<std::int16_t>(a1), 0};
        s.pickMember2 = {static_cast<std::int16_t>(b0), static_cast<std::int16_t>(b1), 0};
        const int slot = s.runningCount + 1;
        s.runningCount = static_cast<std::int16_t>(slot);
        for (int side = 0; side < 2; ++side) {
            s.slotTeam[side][slot] = s.pickTeam[side];
            s.slotMember1[side][slot] = s.pickMember1[side];
            s.slotMember2[side][slot] = s.pickMember2[side];
            s.setPair(s.pickTeam[side], s.pickMember1[side], s.pickMember2[side], PairRunning);
        }
        s.removeSlot = static_cast<std::int16_t>(slot);
    }

    // The stored record n of the data file.
    MeetingRecord record(int n) {
        MeetingRecord r;
        EXPECT_TRUE(program_->meetingFile.readRecord(n, r));
        return r;
    }
    static std::int32_t storedResult(const MeetingRecord& r, int team, int slot, int column) {
        return r.int32At(MeetingRecord::kResultOffset +
                         4 * MeetingRecord::resultIndex(team, slot, column));
    }
    static std::int16_t storedPair(const MeetingRecord& r, int team, int a, int b) {
        return r.int16At(MeetingRecord::kPairOffset +
                         2 * (static_cast<std::size_t>(team) + 3 * a + 66 * b));
    }

    // The activity log as the viewer shows it.
    std::u16string logText() {
        std::u16string text;
        readLogText(*program_, text);
        return text;
    }

    TempDir temp_;
    std::filesystem::path dir_;
    ScriptedPlatform platform_;
    FixedClock clock_{std::tm{}};
    MemorySettingsStore settings_;
    std::unique_ptr<Program> program_;
};
