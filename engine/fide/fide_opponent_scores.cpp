// The tie-breaks of the opponents' scores: Buchholz and Fore Buchholz with their cuts,
// Sonneborn-Berger, the average of the opponents' Buchholz, and Koya.
//
// A Swiss counts every round without a game (a forfeit, a bye, an absence) as a game against a
// dummy opponent: under the 2024 rules the dummy has the player's own score; under the 2026 rules
// that score is capped, for a forfeit at the adjusted score of the opponent who did not play, for
// any other unplayed round at half the rounds. A round robin counts forfeits as games against the
// paired opponent and adds nothing for a round without one.
#include <algorithm>
#include <cmath>
#include <optional>

#include "engine/fide/fide_families.h"

namespace tiebreak {

namespace {

// One round's part in a Buchholz-like sum: the opponent's (or the dummy's) score, and what the
// round adds: that score for Buchholz, times the round's points for Sonneborn-Berger.
struct Entry {
    double value = 0.0;
    double product = 0.0;
    bool voluntary = false;
    std::uint32_t round = 0;  // 0-based, the round's line
    FideCutMark cut = CutNone;
};

// The entry a low cut takes among those not cut yet, voluntary unplayed rounds only or all: the
// lowest score, and of equal scores the smaller product. nullptr when there is none.
Entry* lowestEntry(std::vector<Entry>& entries, bool voluntaryOnly) {
    Entry* lowest = nullptr;
    for (Entry& entry : entries) {
        if (entry.cut != CutNone || (voluntaryOnly && !entry.voluntary)) continue;
        if (lowest == nullptr || entry.value < lowest->value ||
            (entry.value == lowest->value && entry.product < lowest->product)) {
            lowest = &entry;
        }
    }
    return lowest;
}

// Marks the entries the cuts take. Each low cut takes a voluntary unplayed round's entry while
// there is one: for Buchholz its lowest, for Sonneborn-Berger that one unless the entry the cut
// would otherwise take adds more, which then goes instead. High cuts take the highest scores,
// whatever the rounds were. Never more cuts than entries: cutting all leaves nothing.
void applyCuts(std::vector<Entry>& entries, int lowCuts, int highCuts, bool sonnebornBerger) {
    for (int k = 0; k < lowCuts; ++k) {
        Entry* plain = lowestEntry(entries, false);
        if (plain == nullptr) return;
        Entry* voluntary = lowestEntry(entries, true);
        Entry* taken = plain;
        if (voluntary != nullptr && !(sonnebornBerger && plain->product > voluntary->product)) {
            taken = voluntary;
        }
        taken->cut = taken->voluntary ? CutLowVoluntary : CutLow;
    }
    for (int k = 0; k < highCuts; ++k) {
        Entry* highest = nullptr;
        for (Entry& entry : entries) {
            if (entry.cut != CutNone) continue;
            if (highest == nullptr || entry.value > highest->value ||
                (entry.value == highest->value && entry.product > highest->product)) {
                highest = &entry;
            }
        }
        if (highest == nullptr) return;
        highest->cut = CutHigh;
    }
}

// Player i's Buchholz (or, with sonnebornBerger, Sonneborn-Berger) in the rounds given, with the
// tie-break's cuts. lines, when given, receives one line a round.
double buchholzOf(const FideRounds& rounds, std::uint32_t i, const FideTieBreak& tieBreak,
                  FideRules rules, bool sonnebornBerger, std::vector<Entry>& entries,
                  std::vector<FideRoundLine>* lines) {
    const double own = rounds.score(i);
    const double halfRounds = 0.5 * rounds.roundCount();
    const bool forfeitsAsGames = tieBreak.forfeitsAsGames || rounds.roundRobin();
    entries.clear();
    const std::span<const FideRound> player = rounds.of(i);
    for (std::uint32_t r = 0; r < player.size(); ++r) {
        const FideRound& round = player[r];
        FideRoundLine line = roundLine(round, r);
        const bool paired = round.opponent != NoOpponent;
        if (paired && (isGame(round.kind) || forfeitsAsGames)) {
            line.use = isGame(round.kind) ? UseGame : UseForfeitAsGame;
            line.opponentScore = rounds.score(static_cast<std::uint32_t>(round.opponent));
            line.opponentValue = rounds.adjustedScore(static_cast<std::uint32_t>(round.opponent));
        } else if (!rounds.roundRobin()) {
            line.use = UseDummy;
            line.dummy = DummyOwnScore;
            line.opponentValue = own;
            if (rules == FideRules2026) {
                line.cap = paired ? rounds.adjustedScore(static_cast<std::uint32_t>(round.opponent))
                                  : halfRounds;
                if (line.cap < own) {
                    line.opponentValue = line.cap;
                    line.dummy = paired ? DummyCappedAtOpponent : DummyCappedAtHalf;
                }
            }
        }
        if (line.use != UseNotCounted) {
            line.contribution =
                sonnebornBerger ? line.opponentValue * round.points : line.opponentValue;
            entries.push_back({line.opponentValue, line.contribution, line.voluntaryUnplayed, r});
        }
        if (lines != nullptr) lines->push_back(line);
    }
    applyCuts(entries, tieBreak.lowCuts, tieBreak.highCuts, sonnebornBerger);
    double sum = 0.0;
    for (const Entry& entry : entries) {
        if (entry.cut == CutNone) {
            sum += entry.product;
        } else if (lines != nullptr) {
            (*lines)[entry.round].cut = entry.cut;
        }
    }
    return sum;
}

// The score an opponent needs for Koya: half the most points a player could score, moved by
// the tie-break's half points. In a round robin the most is the rounds less a bye a cycle in an
// odd field and less one for each player who never played a game.
double koyaLimit(const TournamentTable& table, const FideRounds& rounds, int shift) {
    double most = rounds.roundCount();
    if (rounds.roundRobin()) {
        const std::uint32_t n = rounds.playerCount();
        if (n % 2 == 1) {
            const double cycles = std::max(1.0, std::round(most / n));
            most -= cycles;
        }
        for (std::uint32_t i = 0; i < n; ++i) {
            if (table.gamesPlayed(i) == 0) most -= 1.0;
        }
    }
    return 0.5 * most + 0.5 * shift;
}

void koya(const TournamentTable& table, const FideRounds& rounds, const FideTieBreak& tieBreak,
          std::span<double> out, std::vector<FideBreakdown>* breakdowns) {
    const double limit = koyaLimit(table, rounds, tieBreak.koyaShift);
    for (std::uint32_t i = 0; i < rounds.playerCount(); ++i) {
        FideBreakdown* breakdown = breakdowns != nullptr ? &(*breakdowns)[i] : nullptr;
        double sum = 0.0;
        for (std::uint32_t r = 0; r < rounds.roundCount(); ++r) {
            const FideRound& round = rounds.of(i)[r];
            FideRoundLine line = roundLine(round, r);
            // Forfeits against an opponent who reaches the limit count too.
            if (round.opponent != NoOpponent) {
                line.opponentScore = rounds.score(static_cast<std::uint32_t>(round.opponent));
                line.opponentValue = line.opponentScore;
                if (line.opponentScore >= limit) {
                    line.use = isGame(round.kind) ? UseGame : UseForfeitAsGame;
                    line.contribution = round.points;
                    sum += round.points;
                }
            }
            if (breakdown != nullptr) breakdown->rounds.push_back(line);
        }
        out[i] = sum;
        if (breakdown != nullptr) {
            breakdown->koyaLimit = limit;
            breakdown->sum = sum;
            breakdown->value = sum;
        }
    }
}

// Every player's plain Buchholz, or Fore Buchholz, under the rules.
std::vector<double> plainBuchholz(const TournamentTable& table, bool fore, FideRules rules) {
    const FideRounds rounds(table, fore);
    FideTieBreak plain;
    plain.code = fore ? FideFb : FideBh;
    std::vector<double> values(rounds.playerCount());
    std::vector<Entry> entries;
    for (std::uint32_t i = 0; i < rounds.playerCount(); ++i)
        values[i] = buchholzOf(rounds, i, plain, rules, false, entries, nullptr);
    return values;
}

// The mean Buchholz (AOB/F: Fore Buchholz) of the opponents met over the board, a game each,
// rounded half up to two decimals; not a number without a game.
void averageOfOpponentsBuchholz(const TournamentTable& table, const FideRounds& rounds,
                                const FideTieBreak& tieBreak, FideRules rules,
                                std::span<double> out, std::vector<FideBreakdown>* breakdowns) {
    const std::vector<double> buchholz = plainBuchholz(table, tieBreak.foreBuchholz, rules);
    for (std::uint32_t i = 0; i < rounds.playerCount(); ++i) {
        FideBreakdown* breakdown = breakdowns != nullptr ? &(*breakdowns)[i] : nullptr;
        double sum = 0.0;
        std::uint32_t games = 0;
        for (std::uint32_t r = 0; r < rounds.roundCount(); ++r) {
            const FideRound& round = rounds.of(i)[r];
            FideRoundLine line = roundLine(round, r);
            if (isGame(round.kind)) {
                line.use = UseGame;
                line.opponentValue = buchholz[static_cast<std::uint32_t>(round.opponent)];
                line.contribution = line.opponentValue;
                sum += line.contribution;
                ++games;
            }
            if (breakdown != nullptr) breakdown->rounds.push_back(line);
        }
        // Scores are whole half points, so the hundredths are exact enough that halves are
        // halves and the rounding goes up as written.
        out[i] = games == 0 ? std::nan("") : std::floor(sum * 100.0 / games + 0.5) / 100.0;
        if (breakdown != nullptr) {
            breakdown->counted = games;
            breakdown->sum = sum;
            breakdown->value = out[i];
        }
    }
}

}  // namespace

void opponentScores(const TournamentTable& table, const FideRounds& rounds,
                    const FideTieBreak& tieBreak, FideRules rules, std::span<double> out,
                    std::vector<FideBreakdown>* breakdowns) {
    switch (tieBreak.code) {
        case FideKs:
            koya(table, rounds, tieBreak, out, breakdowns);
            return;
        case FideAob:
            averageOfOpponentsBuchholz(table, rounds, tieBreak, rules, out, breakdowns);
            return;
        default:
            break;
    }
    // BH, SB and FB; Fore Buchholz reads the rounds with the final round's pairings drawn.
    const bool fore = tieBreak.code == FideFb;
    std::optional<FideRounds> foreRounds;
    if (fore) foreRounds.emplace(table, true);
    const FideRounds& counted = fore ? *foreRounds : rounds;
    std::vector<Entry> entries;
    for (std::uint32_t i = 0; i < counted.playerCount(); ++i) {
        FideBreakdown* breakdown = breakdowns != nullptr ? &(*breakdowns)[i] : nullptr;
        std::vector<FideRoundLine>* lines = breakdown != nullptr ? &breakdown->rounds : nullptr;
        out[i] = buchholzOf(counted, i, tieBreak, rules, tieBreak.code == FideSb, entries, lines);
        if (breakdown == nullptr) continue;
        breakdown->score = counted.score(i);
        breakdown->sum = out[i];
        breakdown->value = out[i];
        breakdown->counted = 0;
        for (const Entry& entry : entries)
            breakdown->counted += entry.cut == CutNone ? 1 : 0;
        // A final-round pairing taken as a draw.
        if (fore && !breakdown->rounds.empty()) {
            const FideRound& actual = rounds.of(i)[rounds.roundCount() - 1];
            FideRoundLine& last = breakdown->rounds.back();
            last.kind = actual.kind;
            last.drawnFinal = actual.opponent != NoOpponent;
            if (last.drawnFinal && !isGame(actual.kind)) last.use = UseForfeitAsGame;
        }
    }
}

}  // namespace tiebreak
