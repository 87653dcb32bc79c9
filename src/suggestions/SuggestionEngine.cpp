#include "suggestions/SuggestionEngine.h"

#include "matching/PairPriorities.h"
#include "matching/PairSelection.h"
#include "results/Points.h"
#include "state/MeetingState.h"
#include "suggestions/MatchTimes.h"
#include "suggestions/MeetingReading.h"
#include "suggestions/SeasonHistory.h"
#include "text/NumberPattern.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <optional>
#include <tuple>

namespace {

constexpr long long kWaitStepSeconds = 600;
constexpr int kMembers = 2 * kSlots;
constexpr long long kTodayWeight = 16;
constexpr long long kRepeatWeight = 16;
// Matches per hour present are compared in quarter steps, and nobody counts
// as present for less than half an hour, so that a member who has just
// arrived and played once does not look like a member who never rests.
constexpr long long kRateSteps = 4;
constexpr long long kShortestPresence = 1800;
constexpr int kMiddleLevel = 3;
// Marks a pair that should not meet as opponents in the opponent cost; the
// rule cost counts it too.
constexpr long long kNotOpponentsCost = 1LL << 40;

std::uint64_t mix(std::uint64_t value) {
    value += 0x9e3779b97f4a7c15ULL;
    value = (value ^ (value >> 30)) * 0xbf58476d1ce4e5b9ULL;
    value = (value ^ (value >> 27)) * 0x94d049bb133111ebULL;
    return value ^ (value >> 31);
}

std::uint64_t textHash(const std::u16string& text) {
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (const char16_t c : text) {
        hash = (hash ^ c) * 0x100000001b3ULL;
    }
    return hash;
}

int memberIndex(int team, int slot) {
    return team * kSlots + slot;
}

struct Member {
    bool free = false;
    int team = 0;
    int slot = 0;
    int played = 0;
    int waitSteps = 0;
    long long waitMinutes = -1;    // -1: not known
    long long presentMinutes = -1; // -1: no check-in known
    long long load = 0; // rule 1: matches played, or matches per hour present in quarters
    int level = kMiddleLevel;
    bool fixedPartnerFree = false; // an always-partner of the member is free
    std::u16string key;
    std::uint64_t tie = 0;
};

struct OpenPair {
    PickCell cell;
    int first = 0; // member indices
    int second = 0;
    bool firstClass = false;
    long long load = 0;
    int level = 0;
    bool fixedPair = false; // an always-partner pair
    int waitSteps = 0;
    long long partnerCost = 0;
    int partneredBefore = 0;
    std::uint64_t tie = 0;
};

struct Candidate {
    int pair0 = 0;
    int pair1 = -1; // -1 in singles
    int notFirstClass = 0;
    long long load = 0;
    int negativeWait = 0;
    int ruleCost = 0;
    long long partnerCost = 0;
    long long opponentCost = 0;
    int levelGap = 0;
    std::uint64_t tie = 0;

    auto order() const {
        return std::tie(notFirstClass, load, negativeWait, ruleCost, partnerCost, opponentCost,
                        levelGap, tie);
    }
};

class Ranking {
public:
    explicit Ranking(const SuggestionContext& context)
        : context_(context), work_(std::make_unique<MeetingState>(context.meeting)),
          shape_(matchShapeOf(context.meeting)) {}

    std::vector<Suggestion> best(int count) {
        if (isEarlierMeetingShown(*work_) || count <= 0) {
            return {};
        }
        markTables();
        presence_ = usesPresence();
        readMembers();
        readFixedPartners();
        for (const int team : teams()) {
            collectPairs(team);
        }
        wanted_ = static_cast<std::size_t>(count);
        collectCandidates();
        std::vector<Suggestion> result;
        for (const Candidate& c : best_) {
            result.push_back(suggestionOf(c));
        }
        return result;
    }

private:
    std::vector<int> teams() const {
        if (shape_ == MatchShape::TwoTeamDoubles) {
            return {0, 1};
        }
        return {oneTeamPickTeam(*work_)};
    }

    // The marks exactly as the pairing table draws them: played counts
    // rebuilt from the results with the running matches counted.
    void markTables() {
        for (int team = 0; team < 2; ++team) {
            sumMemberPoints(*work_, team);
            addRunningToPlayed(*work_, team);
            markPriorities(*work_, team);
        }
    }

    void readMembers() {
        for (int k = 1; k <= runningMatchCount(*work_); ++k) {
            for (int side = 0; side < 2; ++side) {
                const SideMembers playing = runningSide(*work_, k, side);
                for (const int slot : {playing.member1, playing.member2}) {
                    if (slot >= 1 && slot < kSlots) {
                        busy_[memberIndex(playing.team, slot)] = true;
                    }
                }
            }
        }
        for (int team = 0; team < 2; ++team) {
            for (int slot = 1; slot <= memberCount(*work_, team); ++slot) {
                Member& m = members_[memberIndex(team, slot)];
                m.team = team;
                m.slot = slot;
                m.free = !busy_[memberIndex(team, slot)] && !isMemberResting(*work_, team, slot);
                m.played = playedCount(*work_, team, slot);
                m.load = m.played;
                m.key = memberKey(*work_, team, slot);
                readClubFacts(m);
                m.tie = mix(context_.seed ^ textHash(m.key) ^ static_cast<std::uint64_t>(team));
                readWait(m);
            }
        }
    }

    // Level and check-in of the member from the register. With check-ins
    // known, only a member present now is free, and rule 1 weighs matches
    // per hour present.
    void readClubFacts(Member& m) const {
        const ClubFacts* club = context_.club;
        if (club == nullptr) {
            return;
        }
        for (const MemberProfile& profile : club->profiles) {
            if (profile.member.abbrev == m.key && profile.level >= kLowestLevel) {
                m.level = profile.level;
                break;
            }
        }
        if (!usesPresence()) {
            return;
        }
        const Presence* presence = nullptr;
        for (const Presence& p : club->presence) {
            if (p.member.abbrev == m.key) {
                presence = &p;
            }
        }
        if (presence == nullptr || presence->stateAt(context_.now) != PresenceState::Present) {
            m.free = false;
        }
        const long long present = presence == nullptr ? 0 : presence->secondsPresent(context_.now);
        m.presentMinutes = present / 60;
        m.load = (m.played * 3600 * kRateSteps * 2 / std::max(present, kShortestPresence) + 1) / 2;
    }

    bool usesPresence() const {
        return context_.club != nullptr &&
               std::any_of(context_.club->presence.begin(), context_.club->presence.end(),
                           [](const Presence& p) { return p.arrived.has_value(); });
    }

    // The pair rule between two members, if any.
    std::optional<PairRuleKind> ruleOf(const Member& a, const Member& b) const {
        if (context_.club == nullptr) {
            return std::nullopt;
        }
        for (const PairRule& rule : context_.club->rules) {
            if ((rule.first.abbrev == a.key && rule.second.abbrev == b.key) ||
                (rule.first.abbrev == b.key && rule.second.abbrev == a.key)) {
                return rule.kind;
            }
        }
        return std::nullopt;
    }

    // Marks the members whose always-partner is free now.
    void readFixedPartners() {
        if (context_.club == nullptr) {
            return;
        }
        for (Member& m : members_) {
            for (const Member& other : members_) {
                if (m.free && other.free && &other != &m &&
                    ruleOf(m, other) == PairRuleKind::AlwaysPartner) {
                    m.fixedPartnerFree = true;
                }
            }
        }
    }

    void readWait(Member& m) const {
        if (context_.times == nullptr) {
            return;
        }
        const auto since = context_.times->freeSince(context_.meeting, m.team, m.slot);
        if (!since) {
            return;
        }
        const long long waited = std::max(0LL, context_.now - *since);
        m.waitMinutes = waited / 60;
        m.waitSteps = static_cast<int>(std::min(waited / kWaitStepSeconds, 1000LL));
    }

    void collectPairs(int team) {
        work_->currentTeam = static_cast<std::int16_t>(team);
        const int size = memberCount(*work_, team);
        for (int row = 1; row <= size; ++row) {
            for (int column = row + 1; column <= size; ++column) {
                const Member& a = members_[memberIndex(team, row)];
                const Member& b = members_[memberIndex(team, column)];
                const std::int16_t code = pairCode(*work_, team, column, row);
                if (!a.free || !b.free || code > PairSecondClass ||
                    !isPickableCell(*work_, column, row)) {
                    continue;
                }
                OpenPair pair;
                pair.cell = {team, column, row};
                pair.first = memberIndex(team, row);
                pair.second = memberIndex(team, column);
                const std::optional<PairRuleKind> rule = ruleOf(a, b);
                if (shape_ != MatchShape::Singles && rule == PairRuleKind::NeverPartner) {
                    continue;
                }
                pair.firstClass = code == PairFirstClass;
                pair.load = a.load + b.load;
                pair.level = a.level + b.level;
                pair.fixedPair = rule == PairRuleKind::AlwaysPartner;
                pair.waitSteps = a.waitSteps + b.waitSteps;
                pair.tie = mix(a.tie ^ (b.tie * 3));
                if (shape_ != MatchShape::Singles && !pair.fixedPair) {
                    const SeasonHistory::PairRecord record = context_.history.pair(a.key, b.key);
                    pair.partneredBefore = record.partneredMeetings;
                    pair.partnerCost =
                        kRepeatWeight * record.partneredMeetings * record.partneredMeetings +
                        record.partneredRecency;
                }
                pairs_.push_back(pair);
            }
        }
    }

    long long opponentCost(int x, int y) {
        long long& cached = opponentCache_[x][y];
        if (cached < 0) {
            const Member& a = members_[x];
            const Member& b = members_[y];
            const long long today = context_.times == nullptr
                                        ? 0
                                        : context_.times->opposedToday(context_.meeting, a.team,
                                                                       a.slot, b.team, b.slot);
            const long long season = context_.history.pair(a.key, b.key).opposedMatches;
            cached = kTodayWeight * today * today + season * season;
            if (ruleOf(a, b) == PairRuleKind::NotOpponents) {
                cached += kNotOpponentsCost;
            }
        }
        return cached;
    }

    void addCandidate(int p, int q) {
        const OpenPair& first = pairs_[p];
        Candidate c;
        c.pair0 = p;
        c.pair1 = q;
        if (q < 0) {
            c.notFirstClass = first.firstClass ? 0 : 1;
            c.load = first.load;
            c.negativeWait = -first.waitSteps;
            c.opponentCost = opponentCost(first.first, first.second);
            c.levelGap = std::abs(members_[first.first].level - members_[first.second].level);
            c.tie = first.tie;
        } else {
            const OpenPair& second = pairs_[q];
            c.notFirstClass = (first.firstClass ? 0 : 1) + (second.firstClass ? 0 : 1);
            c.load = first.load + second.load;
            c.negativeWait = -(first.waitSteps + second.waitSteps);
            c.partnerCost = first.partnerCost + second.partnerCost;
            for (const int x : {first.first, first.second}) {
                for (const int y : {second.first, second.second}) {
                    c.opponentCost += opponentCost(x, y);
                }
            }
            c.ruleCost = splitFixedPairs(first) + splitFixedPairs(second);
            c.levelGap = std::abs(first.level - second.level);
            c.tie = mix(first.tie + 0x9e3779b97f4a7c15ULL * second.tie);
        }
        if (presence_) {
            // Rule 1 by time present: the ● marks count raw matches.
            c.notFirstClass = 0;
        }
        c.ruleCost += static_cast<int>(c.opponentCost / kNotOpponentsCost);
        c.opponentCost %= kNotOpponentsCost;
        offer(c);
    }

    // Members of the pair whose always-partner is free but not their partner.
    int splitFixedPairs(const OpenPair& pair) const {
        if (pair.fixedPair) {
            return 0;
        }
        return (members_[pair.first].fixedPartnerFree ? 1 : 0) +
               (members_[pair.second].fixedPartnerFree ? 1 : 0);
    }

    // Keeps the best `wanted_` candidates in order; most candidates lose to
    // the last kept one at once.
    void offer(const Candidate& c) {
        if (best_.size() == wanted_) {
            if (!(c.order() < best_.back().order())) {
                return;
            }
            best_.pop_back();
        }
        const auto place = std::upper_bound(
            best_.begin(), best_.end(), c,
            [](const Candidate& a, const Candidate& b) { return a.order() < b.order(); });
        best_.insert(place, c);
    }

    void collectCandidates() {
        for (auto& row : opponentCache_) {
            row.fill(-1);
        }
        const int n = static_cast<int>(pairs_.size());
        for (int p = 0; p < n; ++p) {
            if (shape_ == MatchShape::Singles) {
                addCandidate(p, -1);
                continue;
            }
            for (int q = p + 1; q < n; ++q) {
                const OpenPair& a = pairs_[p];
                const OpenPair& b = pairs_[q];
                const bool fits = shape_ == MatchShape::TwoTeamDoubles
                                      ? a.cell.team == 0 && b.cell.team == 1
                                      : a.first != b.first && a.first != b.second &&
                                            a.second != b.first && a.second != b.second;
                if (fits) {
                    addCandidate(p, q);
                }
            }
        }
    }

    std::u16string reasonOf(const OpenPair& pair) {
        const Member& a = members_[pair.first];
        const Member& b = members_[pair.second];
        std::u16string text = memberName(*work_, a.team, a.slot) + u"・" +
                              memberName(*work_, b.team, b.slot) + u"：本日" +
                              formatNumber(a.played, u"0");
        if (b.played != a.played) {
            text += u"・" + formatNumber(b.played, u"0");
        }
        text += u"試合";
        const long long wait = std::max(a.waitMinutes, b.waitMinutes);
        if (wait >= 0) {
            text += u"・待ち" + formatNumber(wait, u"0") + u"分";
        }
        const long long present = std::min(a.presentMinutes, b.presentMinutes);
        if (present >= 0) {
            text += u"・在席" + formatNumber(present, u"0") + u"分";
        }
        if (shape_ == MatchShape::Singles) {
            const int met = context_.history.pair(a.key, b.key).opposedMatches;
            text += met == 0 ? u"・今季初対戦"
                             : u"・今季" + formatNumber(met + 1, u"0") + u"回目の対戦";
        } else {
            text += pair.partneredBefore == 0
                        ? u"・今季初ペア"
                        : u"・今季" + formatNumber(pair.partneredBefore + 1, u"0") + u"回目のペア";
        }
        return text;
    }

    Suggestion suggestionOf(const Candidate& c) {
        Suggestion s;
        s.cells.push_back(pairs_[c.pair0].cell);
        s.reasons.push_back(reasonOf(pairs_[c.pair0]));
        if (c.pair1 >= 0) {
            s.cells.push_back(pairs_[c.pair1].cell);
            s.reasons.push_back(reasonOf(pairs_[c.pair1]));
        }
        return s;
    }

    const SuggestionContext& context_;
    std::unique_ptr<MeetingState> work_;
    MatchShape shape_;
    bool presence_ = false;
    std::array<bool, kMembers> busy_{};
    std::array<Member, kMembers> members_{};
    std::vector<OpenPair> pairs_;
    std::size_t wanted_ = 0;
    std::vector<Candidate> best_;
    std::array<std::array<long long, kMembers>, kMembers> opponentCache_{};
};

} // namespace

std::u16string Suggestion::reasonText() const {
    std::u16string text;
    for (const std::u16string& reason : reasons) {
        text += (text.empty() ? u"" : u"／") + reason;
    }
    return text;
}

std::vector<Suggestion> suggestMatches(const SuggestionContext& context, int count) {
    return Ranking(context).best(count);
}
