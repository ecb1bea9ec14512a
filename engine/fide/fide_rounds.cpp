#include "engine/fide/fide_rounds.h"

namespace tiebreak {

namespace {

// A recorded round made consistent (see the header): kinds that need an opponent and have none
// become the bye their points give, and byes drop any opponent.
FideRound roundOf(const RecordedRound& cell) {
    const bool hasOpponent = cell.opponent != NoOpponent;
    FideRound round{cell.detail.kind, cell.opponent, ColourNone, cell.detail.points};
    if (isGame(round.kind)) {
        if (hasOpponent) {
            round.colour = cell.detail.colour;
        } else {
            round.kind = RoundPairingBye;
        }
    } else if (round.kind == RoundForfeitWon && !hasOpponent) {
        round.kind = RoundFullPointBye;
    } else if (round.kind == RoundForfeitLost && !hasOpponent) {
        round.kind = RoundNotPaired;
    }
    if (!isGame(round.kind) && !isForfeit(round.kind)) round.opponent = NoOpponent;
    return round;
}

}  // namespace

bool isRoundRobin(const TournamentTable& table, std::uint32_t rounds) noexcept {
    switch (table.declaredType()) {
        case DeclaredSwiss:
            return false;
        case DeclaredRoundRobin:
            return true;
        case DeclaredNone:
            break;
    }
    const std::uint64_t n = table.playerCount(), r = rounds;
    return r > 0 && (n == r || n == r + 1 || 2 * n == r || 2 * n == r + 1);
}

FideRounds::FideRounds(const TournamentTable& table, bool drawFinalRound)
    : players_(table.playerCount()),
      rounds_(table.roundsPlayed()),
      roundRobin_(isRoundRobin(table, rounds_)) {
    cells_.resize(std::size_t{players_} * rounds_);
    scores_.assign(players_, 0.0);
    adjusted_.assign(players_, 0.0);
    firstLate_.assign(players_, rounds_ + 1);
    for (std::uint32_t i = 0; i < players_; ++i) {
        const std::span<const RecordedRound> recorded = table.rounds(i);
        FideRound* row = cells_.data() + std::size_t{i} * rounds_;
        for (std::uint32_t r = 0; r < rounds_ && r < recorded.size(); ++r)
            row[r] = roundOf(recorded[r]);
        // Fore Buchholz: the final round's pairings end in a draw, in the player's score too.
        if (drawFinalRound && rounds_ > 0 && row[rounds_ - 1].opponent != NoOpponent) {
            row[rounds_ - 1].kind = RoundGameDrawn;
            row[rounds_ - 1].points = 0.5;
        }
        // The late rounds: those after the last round he was there for.
        std::uint32_t lastPresent = 0;
        double score = 0.0;
        for (std::uint32_t r = 0; r < rounds_; ++r) {
            score += row[r].points;
            if (!isVoluntaryUnplayed(row[r].kind)) lastPresent = r + 1;
        }
        scores_[i] = score;
        firstLate_[i] = lastPresent + 1;
        // Forfeit losses keep their (zero) points: only rounds without an opponent change.
        double adjusted = score;
        const double lateValue = roundRobin_ ? 0.0 : 0.5;
        for (std::uint32_t r = lastPresent; r < rounds_; ++r) {
            if (row[r].opponent == NoOpponent) adjusted += lateValue - row[r].points;
        }
        adjusted_[i] = adjusted;
    }
}

}  // namespace tiebreak
