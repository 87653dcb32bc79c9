#include "MeetingBuilder.h"
#include "suggestions/MatchTimes.h"
#include "suggestions/SeasonHistory.h"
#include "suggestions/SuggestionEngine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>

namespace {

// One club night of one-team doubles on two courts, 18:00 to 21:00, twelve
// members A..L: A..H stay the whole night, I and J come at 19:00, K takes
// a break from 19:00 to 19:45, L leaves at 20:00 (announced). Courts are
// filled one at a time from the top suggestion whenever one is free;
// matches last 20 to 29 minutes.
constexpr int kMembers = 12;
constexpr long long kStart = 18 * 3600;
constexpr long long kEnd = 21 * 3600;
const std::u16string kNames[] = {u"",  u"A", u"B", u"C", u"D", u"E", u"F",
                                 u"G", u"H", u"I", u"J", u"K", u"L"};

struct Night {
    std::array<int, kMembers + 1> played{};
    std::array<double, kMembers + 1> hours{};
    int matches = 0;

    double rate(int slot) const { return played[slot] / hours[slot]; }
};

std::vector<Presence> presenceOfTheNight() {
    std::vector<Presence> all;
    for (int slot = 1; slot <= kMembers; ++slot) {
        Presence p;
        p.member = {slot, kNames[slot]};
        p.arrived = slot == 9 || slot == 10 ? kStart + 3600 : kStart;
        if (slot == 11) {
            p.breaks.push_back({kStart + 3600, kStart + 3600 + 45 * 60});
        }
        if (slot == 12) {
            p.leavesAt = kStart + 2 * 3600;
        }
        all.push_back(p);
    }
    return all;
}

Night playNight(bool byTimePresent) {
    MeetingBuilder b(kMembers, 0, 1);
    for (int slot = 1; slot <= kMembers; ++slot) {
        b.name(0, slot, kNames[slot]);
    }
    MeetingState& s = b.state();
    const std::vector<Presence> presence = presenceOfTheNight();
    ClubFacts club;
    club.presence = presence;
    const SeasonHistory history;
    MatchTimes times;
    times.recordStart(s, kStart);

    struct Court {
        long long freeAt = kStart;
        std::array<int, 4> players{};
        bool busy = false;
    };
    std::array<Court, 2> courts{};
    std::array<bool, kMembers + 1> playing{};
    Night night;
    long long now = kStart;
    while (now < kEnd) {
        for (Court& court : courts) {
            if (court.busy && court.freeAt <= now) {
                const auto& p = court.players;
                b.oneTeam(0, p[0], p[1], p[2], p[3], 6, 4);
                s.pickTeam = {0, 0, 0};
                s.pickMember1 = {static_cast<std::int16_t>(p[0]), static_cast<std::int16_t>(p[2]),
                                 0};
                s.pickMember2 = {static_cast<std::int16_t>(p[1]), static_cast<std::int16_t>(p[3]),
                                 0};
                times.recordEnd(s, court.freeAt, true);
                s.clearPicks();
                for (const int slot : p) {
                    playing[slot] = false;
                }
                court.busy = false;
            }
        }
        for (Court& court : courts) {
            if (court.busy) {
                continue;
            }
            // The roster's お休み: not present now, or on the other court.
            for (int slot = 1; slot <= kMembers; ++slot) {
                const bool present = presence[static_cast<std::size_t>(slot - 1)].stateAt(now) ==
                                     PresenceState::Present;
                s.memberStatus[0][slot] =
                    static_cast<std::int16_t>(present && !playing[slot] ? 0 : 10);
            }
            SuggestionContext context{s, history, &times, now, 7};
            context.club = byTimePresent ? &club : nullptr;
            const std::vector<Suggestion> best = suggestMatches(context, 1);
            if (best.empty()) {
                continue;
            }
            std::array<int, 4> p{best[0].cells[0].row, best[0].cells[0].column,
                                 best[0].cells[1].row, best[0].cells[1].column};
            for (const int slot : p) {
                playing[slot] = true;
                ++night.played[slot];
            }
            ++night.matches;
            court.players = p;
            court.busy = true;
            court.freeAt = now + (20 + (night.matches * 7) % 10) * 60;
        }
        long long next = now + 300;
        for (const Court& court : courts) {
            if (court.busy) {
                next = std::min(next, court.freeAt);
            }
        }
        now = next;
    }
    for (int slot = 1; slot <= kMembers; ++slot) {
        night.hours[slot] =
            presence[static_cast<std::size_t>(slot - 1)].secondsPresent(kEnd) / 3600.0;
    }
    return night;
}

struct Spread {
    double lowest = 1e9;
    double highest = 0;
};

Spread spreadOf(const Night& night) {
    Spread spread;
    for (int slot = 1; slot <= kMembers; ++slot) {
        spread.lowest = std::min(spread.lowest, night.rate(slot));
        spread.highest = std::max(spread.highest, night.rate(slot));
    }
    return spread;
}

void print(const char* title, const Night& night) {
    std::cout << title << ": " << night.matches << " matches;";
    for (int slot = 1; slot <= kMembers; ++slot) {
        std::cout << ' ' << static_cast<char>('A' + slot - 1) << '=' << night.played[slot] << '/'
                  << night.hours[slot] << 'h';
    }
    const Spread spread = spreadOf(night);
    std::cout << "; matches per hour " << spread.lowest << ".." << spread.highest << '\n';
}

} // namespace

TEST(ClubNightPresence, LateComersABreakAndAnEarlyLeaverPlayByTimePresent) {
    const Night raw = playNight(false);
    const Night fair = playNight(true);
    print("raw matches", raw);
    print("time present", fair);
    const Spread rawSpread = spreadOf(raw);
    const Spread fairSpread = spreadOf(fair);
    EXPECT_LT(fairSpread.highest - fairSpread.lowest, rawSpread.highest - rawSpread.lowest);
    EXPECT_LE(fairSpread.highest - fairSpread.lowest, 0.6);
}
