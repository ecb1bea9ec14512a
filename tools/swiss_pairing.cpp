#include "tools/swiss_pairing.h"

#include <cassert>
#include <cstddef>

namespace tiebreak {
namespace {

constexpr std::size_t NotFound = static_cast<std::size_t>(-1);

// How choosy a search for a partner is, strictest first.
enum PartnerRule : int {
    PartnerNoColourClash = 0,  // wishes differ in direction, or one has none
    PartnerNoStrongClash = 1,  // not both strongly wanting the same colour
    PartnerAnyNew = 2,         // anybody not met before
    PartnerRepeatAllowed = 3,  // anybody
};

// What the pairing of one round looks at, computed once.
struct RoundState {
    const std::vector<SimulatedPlayer>& players;
    std::vector<int> wishes;  // colourWish by start index
};

bool fitsRule(const RoundState& state, std::uint32_t a, std::uint32_t b, PartnerRule rule) {
    if (rule == PartnerRepeatAllowed) return true;
    if (havePlayed(state.players, a, b)) return false;
    const int product = state.wishes[a] * state.wishes[b];
    if (rule == PartnerNoColourClash) return product <= 0;
    if (rule == PartnerNoStrongClash) return product < 4;
    return true;
}

// The partner of members[k] (k in the top half) under rule: the bottom half from k's counterpart
// down, then up, then the top half from its lowest player; taken players are skipped.
std::size_t findPartner(const RoundState& state, const std::vector<std::uint32_t>& members,
                        const std::vector<char>& taken, std::size_t k, std::size_t half,
                        PartnerRule rule) {
    auto fits = [&](std::size_t q) {
        return !taken[q] && fitsRule(state, members[k], members[q], rule);
    };
    for (std::size_t q = half + k; q < members.size(); ++q) {
        if (fits(q)) return q;
    }
    for (std::size_t q = half + k; q-- > half;) {
        if (fits(q)) return q;
    }
    for (std::size_t q = half; q-- > k + 1;) {
        if (fits(q)) return q;
    }
    return NotFound;
}

// Pairs one group (best first) without repeats and returns the players left over. Each pass pairs
// the top half against the bottom half, each player with the strictest rule that finds him a
// partner; whoever found none tries again with the rest, until a pass pairs nobody.
std::vector<std::uint32_t> pairGroup(const RoundState& state, std::vector<std::uint32_t> members,
                                     std::vector<Pairing>& pairs) {
    while (members.size() >= 2) {
        const std::size_t half = members.size() / 2;
        std::vector<char> taken(members.size(), 0);
        bool pairedAny = false;
        for (std::size_t k = 0; k < half; ++k) {
            if (taken[k]) continue;
            std::size_t q = NotFound;
            for (int rule = PartnerNoColourClash; rule <= PartnerAnyNew && q == NotFound; ++rule) {
                q = findPartner(state, members, taken, k, half, static_cast<PartnerRule>(rule));
            }
            if (q == NotFound) continue;
            taken[k] = taken[q] = 1;
            pairs.push_back({members[k], members[q]});
            pairedAny = true;
        }
        std::vector<std::uint32_t> rest;
        for (std::size_t i = 0; i < members.size(); ++i) {
            if (!taken[i]) rest.push_back(members[i]);
        }
        members = std::move(rest);
        if (!pairedAny) break;
    }
    return members;
}

// Pairs the score groups before tail one by one, floaters going down, then everything from tail
// on as one group. Returns the players left over.
std::vector<std::uint32_t> pairWithTail(const RoundState& state,
                                        const std::vector<std::vector<std::uint32_t>>& groups,
                                        std::size_t tail, std::vector<Pairing>& pairs) {
    std::vector<std::uint32_t> floaters;
    for (std::size_t g = 0; g < groups.size(); ++g) {
        // Floaters from above come first: they have more points than the group.
        std::vector<std::uint32_t> group = std::move(floaters);
        group.insert(group.end(), groups[g].begin(), groups[g].end());
        if (g < tail) {
            floaters = pairGroup(state, std::move(group), pairs);
        } else {
            floaters = std::move(group);
        }
    }
    return pairGroup(state, std::move(floaters), pairs);
}

}  // namespace

bool havePlayed(const std::vector<SimulatedPlayer>& players, std::uint32_t a, std::uint32_t b) {
    for (const RoundCell& cell : players[a].rounds) {
        const bool paired =
            cell.kind == CellGame || cell.kind == CellForfeitWin || cell.kind == CellForfeitLoss;
        if (paired && cell.opponent == b) return true;
    }
    return false;
}

int colourWish(const SimulatedPlayer& player) {
    int balance = 0;  // whites minus blacks
    int last = 0;     // +1 white, -1 black
    bool twiceRunning = false;
    for (const RoundCell& cell : player.rounds) {
        if (cell.kind != CellGame) continue;
        const int colour = cell.white ? 1 : -1;
        twiceRunning = colour == last;
        last = colour;
        balance += colour;
    }
    if (last == 0) return 0;
    const int direction = balance != 0 ? (balance < 0 ? 1 : -1) : -last;
    const bool strong = balance <= -2 || balance >= 2 || twiceRunning;
    return strong ? 2 * direction : direction;
}

std::vector<Pairing> pairScoreGroups(const std::vector<SimulatedPlayer>& players,
                                     const std::vector<std::uint32_t>& ranked) {
    RoundState state{players, std::vector<int>(players.size(), 0)};
    std::vector<std::vector<std::uint32_t>> groups;
    for (std::size_t i = 0; i < ranked.size(); ++i) {
        state.wishes[ranked[i]] = colourWish(players[ranked[i]]);
        if (i == 0 || players[ranked[i]].halfPoints != players[ranked[i - 1]].halfPoints) {
            groups.emplace_back();
        }
        groups.back().push_back(ranked[i]);
    }
    if (groups.empty()) return {};

    std::vector<Pairing> pairs;
    for (std::size_t tail = groups.size(); tail-- > 0;) {
        pairs.clear();
        if (pairWithTail(state, groups, tail, pairs).empty()) return pairs;
    }
    // Nobody can be paired without a repeat: keep the groups, and pair the last leftovers in order.
    pairs.clear();
    const std::vector<std::uint32_t> rest = pairWithTail(state, groups, groups.size() - 1, pairs);
    assert(rest.size() % 2 == 0);
    for (std::size_t i = 0; i + 1 < rest.size(); i += 2)
        pairs.push_back({rest[i], rest[i + 1]});
    return pairs;
}

std::vector<Pairing> pairNeighbours(const std::vector<SimulatedPlayer>& players,
                                    const std::vector<std::uint32_t>& ranked) {
    constexpr std::size_t Window = 16;
    std::vector<char> taken(ranked.size(), 0);
    std::vector<Pairing> pairs;
    for (std::size_t k = 0; k < ranked.size(); ++k) {
        if (taken[k]) continue;
        std::size_t partner = NotFound;
        std::size_t seen = 0;
        for (std::size_t q = k + 1; q < ranked.size() && seen < Window; ++q) {
            if (taken[q]) continue;
            if (partner == NotFound) partner = q;  // the next one, met or not
            ++seen;
            if (!havePlayed(players, ranked[k], ranked[q])) {
                partner = q;
                break;
            }
        }
        if (partner == NotFound) continue;  // the last one: the count is even, so never
        taken[k] = taken[partner] = 1;
        pairs.push_back({ranked[k], ranked[partner]});
    }
    return pairs;
}

bool higherGetsWhite(const std::vector<SimulatedPlayer>& players, const Pairing& pairing,
                     std::size_t board, bool topWhite) {
    const int higher = colourWish(players[pairing.higher]);
    const int lower = colourWish(players[pairing.lower]);
    if (higher != lower) return higher > lower;
    if (higher != 0) return higher > 0;
    return (board % 2 == 0) == topWhite;
}

}  // namespace tiebreak
