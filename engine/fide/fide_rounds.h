#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "engine/fide/fide_breakdown.h"
#include "tournament/round_result.h"
#include "tournament/tournament_table.h"

namespace tiebreak {

// The rounds as FIDE's tie-breaks see them, shared by the families of engine/fide: every player
// has exactly one round for each round 1..R, R being the last round in which anybody had an
// opponent (a game or a forfeit); a record that ends early is absent from there on, and rounds a
// record holds beyond R are left out.
//
// A round's kind is taken from the record and made consistent: a game's kind or a forfeit win
// without an opponent is a bye of its points (a pairing-allocated one, a full-point one), a
// forfeit loss without one is a round not paired, and a bye never names an opponent.

// One player's round.
struct FideRound {
    RoundKind kind = RoundNotInRecord;
    std::int32_t opponent = NoOpponent;  // games and forfeits only
    Colour colour = ColourNone;
    double points = 0.0;
};

// True for a game over the board (rated or not).
[[nodiscard]] constexpr bool isGame(RoundKind kind) noexcept {
    return kind == RoundGameWon || kind == RoundGameDrawn || kind == RoundGameLost;
}

// True for a forfeit, won or lost: a pairing that was not played.
[[nodiscard]] constexpr bool isForfeit(RoundKind kind) noexcept {
    return kind == RoundForfeitWon || kind == RoundForfeitLost;
}

// True for a voluntary unplayed round: a forfeit loss, a half- or zero-point bye, a round not
// paired or not in the record. Games, forfeit wins and the byes of a full point (and any
// pairing-allocated bye) are rounds the player was there for.
[[nodiscard]] constexpr bool isVoluntaryUnplayed(RoundKind kind) noexcept {
    return kind == RoundForfeitLost || kind == RoundHalfPointBye || kind == RoundZeroPointBye ||
           kind == RoundNotPaired || kind == RoundNotInRecord;
}

// The whole field's rounds and what the tie-breaks derive from them for every player.
// A breakdown's line of round index r (0 for round 1) as the player had it, nothing counted yet.
[[nodiscard]] constexpr FideRoundLine roundLine(const FideRound& round, std::uint32_t r) noexcept {
    FideRoundLine line;
    line.round = r + 1;
    line.kind = round.kind;
    line.opponent = round.opponent;
    line.colour = round.colour;
    line.voluntaryUnplayed = isVoluntaryUnplayed(round.kind);
    line.points = round.points;
    return line;
}

class FideRounds {
public:
    // Reads the table's rounds. With drawFinalRound, every pairing of the final round (a game
    // or a forfeit) is taken as a drawn game, as Fore Buchholz counts it. Allocates n * R rounds:
    // std::bad_alloc propagates to the operation that builds it.
    FideRounds(const TournamentTable& table, bool drawFinalRound);

    [[nodiscard]] std::uint32_t playerCount() const noexcept { return players_; }
    [[nodiscard]] std::uint32_t roundCount() const noexcept { return rounds_; }
    [[nodiscard]] bool roundRobin() const noexcept { return roundRobin_; }

    // Player i's rounds 1..R (index 0 for round 1).
    [[nodiscard]] std::span<const FideRound> of(std::uint32_t i) const noexcept {
        return {cells_.data() + std::size_t{i} * rounds_, rounds_};
    }
    // The player's points over rounds 1..R.
    [[nodiscard]] double score(std::uint32_t i) const noexcept { return scores_[i]; }
    // The score his opponents' Buchholz counts: his own points, except that his rounds without
    // an opponent after his last round that was not voluntarily unplayed count a half point
    // each in a Swiss and nothing in a round robin, whatever they gave.
    [[nodiscard]] double adjustedScore(std::uint32_t i) const noexcept { return adjusted_[i]; }
    // The first round (1-based) of the late unplayed rounds that adjustedScore replaces; R + 1
    // when there are none.
    [[nodiscard]] std::uint32_t firstLateRound(std::uint32_t i) const noexcept {
        return firstLate_[i];
    }

private:
    std::uint32_t players_ = 0;
    std::uint32_t rounds_ = 0;
    bool roundRobin_ = false;
    std::vector<FideRound> cells_;  // player-major, R a player
    std::vector<double> scores_;
    std::vector<double> adjusted_;
    std::vector<std::uint32_t> firstLate_;
};

// True when the table is taken as a round robin: a record declaring one, or, without a
// declaration, players = R or R + 1, or twice the players = R or R + 1.
[[nodiscard]] bool isRoundRobin(const TournamentTable& table, std::uint32_t rounds) noexcept;

}  // namespace tiebreak
