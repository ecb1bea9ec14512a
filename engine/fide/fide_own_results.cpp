// The tie-breaks of a player's own results: his points and the kinds of his rounds, his start
// number and his rating.
#include <cmath>

#include "engine/fide/fide_families.h"

namespace tiebreak {

namespace {

// What round r adds to a code counted round by round; progressive score, the score so far.
double roundValue(FideCode code, const FideRound& round, double scoreSoFar) {
    const bool won = round.kind == RoundGameWon;
    const bool black = round.colour == ColourBlack;
    switch (code) {
        case FidePts:
            return round.points;
        case FideWin:  // a win's points, with a game or without
            return round.points > 0.5 ? 1.0 : 0.0;
        case FideWon:
            return won ? 1.0 : 0.0;
        case FideBpg:
            return isGame(round.kind) && black ? 1.0 : 0.0;
        case FideBwg:
            return won && black ? 1.0 : 0.0;
        case FideRep:
            return isVoluntaryUnplayed(round.kind) ? 0.0 : 1.0;
        case FideVur:
            return isVoluntaryUnplayed(round.kind) ? 1.0 : 0.0;
        case FidePs:
            return scoreSoFar;
        case FideStd:  // 1 above a draw's points, 1/2 for a draw's, whatever the scoring
            return round.points > 0.5 ? 1.0 : round.points == 0.5 ? 0.5 : 0.0;
        default:
            return 0.0;
    }
}

}  // namespace

void ownResults(const TournamentTable& table, const FideRounds& rounds,
                const FideTieBreak& tieBreak, std::span<double> out,
                std::vector<FideBreakdown>* breakdowns) {
    const FideCode code = tieBreak.code;
    for (std::uint32_t i = 0; i < rounds.playerCount(); ++i) {
        FideBreakdown* breakdown = breakdowns != nullptr ? &(*breakdowns)[i] : nullptr;
        if (code == FideTpn || code == FideRtng) {
            // A table without start numbers numbers its players in table order.
            const std::uint32_t number = table.startNumber(i);
            out[i] = code == FideRtng ? table.rating(i) : number != 0 ? number : i + 1.0;
            if (breakdown != nullptr) breakdown->value = out[i];
            continue;
        }
        double value = 0.0, scoreSoFar = 0.0;
        const std::span<const FideRound> own = rounds.of(i);
        for (std::uint32_t r = 0; r < own.size(); ++r) {
            scoreSoFar += own[r].points;
            const double added = roundValue(code, own[r], scoreSoFar);
            // PS/Cn leaves out the scores after the first n rounds.
            const bool cut = code == FidePs && static_cast<int>(r) < tieBreak.lowCuts;
            if (!cut) value += added;
            if (breakdown == nullptr) continue;
            FideRoundLine line = roundLine(own[r], r);
            line.use = code == FidePs || added != 0.0 ? UseOwnRound : UseNotCounted;
            line.contribution = added;
            line.cut = cut ? CutLow : CutNone;
            breakdown->rounds.push_back(line);
        }
        out[i] = value;
        if (breakdown != nullptr) {
            breakdown->score = rounds.score(i);
            breakdown->sum = value;
            breakdown->value = value;
        }
    }
}

}  // namespace tiebreak
