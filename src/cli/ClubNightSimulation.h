#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// How the simulated organiser picks the next match.
enum class PickPolicy {
    Marks,   // the first ● cell in table order, then □, as by eye
    Suggest, // the top suggestion
};

struct SimulationSettings {
    int method = 1; // 0 two-team doubles, 1 one-team doubles, 2 singles
    int playersA = 0;
    int playersB = 0; // two-team doubles only
    int courts = 1;
    int meetings = 1;
    int rounds = 1;
    int resting = 0;
    std::uint64_t seed = 0;
    PickPolicy policy = PickPolicy::Marks;
    std::filesystem::path out;
};

// Over the pairs of members present in every meeting so far who could
// partner (of one team): the number of meetings in which each pair partnered.
struct PartnerFairness {
    bool counted = false; // not in singles
    int pairs = 0;
    int spread = 0;
    int largest = 0;
    int never = 0;
};

struct MeetingFairness {
    int playedSpread = 0; // max − min matches played among members present
    int longestWaitMinutes = 0;
    int longestWaitMatches = 0; // matches started while one free member waited
    int matchesPlayed = 0;
    PartnerFairness partnersSoFar;
};

struct SeasonFairness {
    std::vector<MeetingFairness> meetings; // the last one's partners are the season's
};

// Plays the meetings through the program's own operations (picks,
// confirmation, result entry, completion) into the new data file
// settings.out. False with `error` set when the program refused a step.
bool simulateSeason(const SimulationSettings& settings, SeasonFairness& fairness,
                    std::string& error);
