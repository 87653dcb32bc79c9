#include "MeetingBuilder.h"
#include "suggestions/SeasonHistory.h"
#include "suggestions/SuggestionEngine.h"

#include <gtest/gtest.h>

#include <set>

namespace {

const std::u16string kNames[] = {u"", u"A", u"B", u"C", u"D", u"E", u"F", u"G", u"H"};

// A one-team doubles night of `size` members named A, B, …
MeetingBuilder night(int size) {
    MeetingBuilder b(size, 0, 1);
    for (int slot = 1; slot <= size; ++slot) {
        b.name(0, slot, kNames[slot]);
    }
    return b;
}

MemberRef ref(int slot) {
    return {slot, kNames[slot]};
}

// Each side of the best suggestion as a set of names.
std::vector<std::set<std::u16string>> sidesOf(const std::vector<Suggestion>& best) {
    std::vector<std::set<std::u16string>> sides;
    if (!best.empty()) {
        for (const PickCell& cell : best[0].cells) {
            sides.push_back({kNames[cell.row], kNames[cell.column]});
        }
    }
    return sides;
}

std::vector<Suggestion> suggest(MeetingBuilder& b, const ClubFacts& club, long long now = 0,
                                int count = 3) {
    static const SeasonHistory history;
    SuggestionContext context{b.state(), history, nullptr, now, 1};
    context.club = &club;
    return suggestMatches(context, count);
}

Presence arrivedAt(int slot, long long at) {
    Presence p;
    p.member = ref(slot);
    p.arrived = at;
    return p;
}

} // namespace

TEST(SuggestionClubRules, NeverPartnersAreNeverSuggestedTogether) {
    MeetingBuilder b = night(4);
    ClubFacts club;
    club.rules = {{ref(1), ref(2), PairRuleKind::NeverPartner}};
    const auto best = suggest(b, club, 0, 10);
    ASSERT_EQ(best.size(), 2U); // AC–BD and AD–BC only
    for (const Suggestion& s : best) {
        for (const PickCell& cell : s.cells) {
            EXPECT_FALSE(cell.row == 1 && cell.column == 2);
        }
    }
}

TEST(SuggestionClubRules, AlwaysPartnersTogetherAndLevelsBalanced) {
    MeetingBuilder b = night(4);
    ClubFacts club;
    club.profiles = {{ref(1), 5, MemberType::Member},
                     {ref(2), 5, MemberType::Member},
                     {ref(3), 1, MemberType::Member},
                     {ref(4), 1, MemberType::Member}};
    const std::vector<std::set<std::u16string>> balanced = {{u"A", u"C"}, {u"B", u"D"}};
    const std::vector<std::set<std::u16string>> balancedToo = {{u"A", u"D"}, {u"B", u"C"}};
    const auto sides = sidesOf(suggest(b, club));
    EXPECT_TRUE(sides == balanced || sides == balancedToo);
    // An always-partner pair outranks the level balance.
    club.rules = {{ref(1), ref(2), PairRuleKind::AlwaysPartner}};
    EXPECT_EQ(sidesOf(suggest(b, club)),
              (std::vector<std::set<std::u16string>>{{u"A", u"B"}, {u"C", u"D"}}));
}

TEST(SuggestionClubRules, FairnessByTimePresentAndOnlyMembersPresentNow) {
    // A to D came at 18:00 and played twice; E to H came at 20:30 and played
    // once. At 21:00 raw counts would pick E to H; by matches per hour
    // present (0.7 against 2) A to D are due.
    MeetingBuilder b = night(8);
    b.oneTeam(0, 1, 2, 3, 4, 6, 2).oneTeam(0, 1, 3, 2, 4, 6, 3).oneTeam(0, 5, 6, 7, 8, 6, 4);
    const long long six = 18 * 3600;
    const long long now = 21 * 3600;
    ClubFacts club;
    for (int slot = 1; slot <= 8; ++slot) {
        club.presence.push_back(arrivedAt(slot, slot <= 4 ? six : now - 1800));
    }
    const auto best = suggest(b, club, now);
    ASSERT_FALSE(best.empty());
    std::set<std::u16string> players;
    for (const auto& side : sidesOf(best)) {
        players.insert(side.begin(), side.end());
    }
    EXPECT_EQ(players, (std::set<std::u16string>{u"A", u"B", u"C", u"D"}));
    EXPECT_NE(best[0].reasonText().find(u"在席180分"), std::u16string::npos);

    // A on a break, B past the leaving time, C gone, D never arrived: none
    // of them is suggested.
    club.presence[0].breaks.push_back({now - 60, std::nullopt});
    club.presence[1].leavesAt = now;
    club.presence[2].left = now - 60;
    club.presence[3].arrived.reset();
    for (const Suggestion& s : suggest(b, club, now, 20)) {
        for (const PickCell& cell : s.cells) {
            EXPECT_GT(cell.row, 4);
            EXPECT_GT(cell.column, 4);
        }
    }
}
