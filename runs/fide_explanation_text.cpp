#include "runs/fide_explanation_text.h"

#include <cmath>
#include <string>

#include "runs/text_format.h"

namespace tiebreak {

namespace {

// The width of the column of numbers that starts every round line.
constexpr std::size_t NumberWidth = 9;

std::string number(double value, int decimals) {
    // Adding zero turns a negative zero (the table's difference at 50 %) into a plain one.
    return std::isnan(value) ? std::string("-") : fixed(value + 0.0, 0, decimals);
}

// "Bruno (2)": a player's name and start number.
std::string playerName(const TournamentTable& table, std::int32_t player) {
    if (player < 0) return "nobody";
    const auto i = static_cast<std::uint32_t>(player);
    std::string name(table.name(i));
    if (name.empty()) name = "player " + std::to_string(i + 1);
    const std::uint32_t start = table.startNumber(i);
    return start != 0 ? name + " (" + std::to_string(start) + ")" : name;
}

// What the round was, in a player's words.
std::string roundWords(const TournamentTable& table, const FideRoundLine& line) {
    const std::string opponent = playerName(table, line.opponent);
    switch (line.kind) {
        case RoundGameWon:
            return "won against " + opponent;
        case RoundGameDrawn:
            return "drew with " + opponent;
        case RoundGameLost:
            return "lost to " + opponent;
        case RoundForfeitWon:
            return "forfeit win against " + opponent;
        case RoundForfeitLost:
            return "forfeit loss against " + opponent;
        case RoundPairingBye:
            return "pairing-allocated bye";
        case RoundFullPointBye:
            return "full-point bye";
        case RoundHalfPointBye:
            return "half-point bye";
        case RoundZeroPointBye:
            return "zero-point bye";
        case RoundNotPaired:
            return "not paired";
        case RoundNotInRecord:
            return "absent";
    }
    return "round of an unknown kind";
}

// One round line: the number (in brackets when a cut took it), the round and why.
void writeRound(std::ostream& out, const std::string& shown, const FideRoundLine& line,
                const std::string& words, const std::string& why) {
    const bool cut = line.cut != CutNone;
    out << padLeft(cut ? "[" + shown + "]" : shown + " ", NumberWidth) << "  round "
        << std::to_string(line.round) << ", " << words << (why.empty() ? "" : ": " + why) << '\n';
}

std::string cutWords(FideCutMark cut, bool sonnebornBerger) {
    switch (cut) {
        case CutNone:
            return "";
        case CutLowVoluntary:
            return "; cut: a voluntary unplayed round goes first";
        case CutLow:
            return sonnebornBerger ? "; cut: the lowest-scored opponent"
                                   : "; cut: the lowest value";
        case CutHigh:
            return "; cut: the highest value";
    }
    return "";
}

std::string rulesWords(FideRules rules, const FideBreakdown& breakdown) {
    return std::to_string(static_cast<int>(rules)) + " rules, " +
           (breakdown.roundRobin ? "a round robin of " : "a Swiss of ") +
           std::to_string(breakdown.roundCount) + " rounds";
}

// Why an opponent's adjusted score is not his own score.
std::string adjustedWords(const FideRoundLine& line, bool roundRobin) {
    std::string words = "the adjusted score of the opponent, " + number(line.opponentValue, 1);
    if (line.opponentScore != line.opponentValue) {
        words += std::string(" (own score ") + number(line.opponentScore, 1) +
                 "; the rounds without an opponent after the last one played count " +
                 (roundRobin ? "nothing" : "a half point each") + ")";
    }
    return words;
}

// Why an unplayed round's dummy has the score it has.
std::string dummyWords(const FideRoundLine& line, const FideBreakdown& breakdown) {
    const std::string own = number(breakdown.score, 1);
    std::string words = "counts as a game against a dummy opponent with " +
                        number(line.opponentValue, 1) + " points, ";
    switch (line.dummy) {
        case DummyCappedAtOpponent:
            return words + "your score " + own +
                   " capped at the adjusted score of the opponent who did not play";
        case DummyCappedAtHalf:
            return words + "your score " + own + " capped at half the rounds";
        case DummyOwnScore:
        case DummyNone:
            break;
    }
    words += "your own score";
    if (!std::isnan(line.cap)) words += " (within the cap of " + number(line.cap, 1) + ")";
    return words;
}

// Buchholz, Fore Buchholz and Sonneborn-Berger.
void writeBuchholz(std::ostream& out, const TournamentTable& table, const FideTieBreak& tieBreak,
                   const FideBreakdown& breakdown) {
    const bool sb = tieBreak.code == FideSb;
    const int decimals = fideDecimals(tieBreak.code);
    if (tieBreak.code == FideFb) {
        out << "Fore Buchholz takes every pairing of the final round as a draw; your score so "
               "counted is "
            << number(breakdown.score, 1) << ".\n";
    }
    for (const FideRoundLine& line : breakdown.rounds) {
        std::string why;
        switch (line.use) {
            case UseNotCounted:
                writeRound(out, "", line, roundWords(table, line),
                           "no opponent, adds nothing in a round robin");
                continue;
            case UseGame:
                why = adjustedWords(line, breakdown.roundRobin);
                break;
            case UseForfeitAsGame:
                why = std::string("counts as a game ") +
                      (line.drawnFinal        ? "drawn in the final round"
                       : breakdown.roundRobin ? "in a round robin"
                                              : "(/P)") +
                      ", " + adjustedWords(line, breakdown.roundRobin);
                break;
            case UseDummy:
                why = dummyWords(line, breakdown);
                break;
            case UseOwnRound:
                break;
        }
        if (line.drawnFinal) why += "; the final round taken as a draw, your 0.5 points";
        if (sb) why += "; times the " + number(line.points, 1) + " points you scored";
        writeRound(out, number(line.contribution, decimals), line, roundWords(table, line),
                   why + cutWords(line.cut, sb));
    }
    out << padLeft(number(breakdown.sum, decimals) + " ", NumberWidth) << "  the sum of the "
        << std::to_string(breakdown.counted) << " values kept\n";
}

void writeKoya(std::ostream& out, const TournamentTable& table, const FideBreakdown& breakdown) {
    out << "Koya counts your points against opponents with at least "
        << number(breakdown.koyaLimit, 1) << " points.\n";
    for (const FideRoundLine& line : breakdown.rounds) {
        if (line.opponent == NoOpponent) continue;
        const std::string score = "the opponent has " + number(line.opponentScore, 1) + " points";
        if (line.use == UseNotCounted) {
            writeRound(out, "", line, roundWords(table, line), score + ", below the limit");
        } else {
            writeRound(out, number(line.contribution, 1), line, roundWords(table, line), score);
        }
    }
    out << padLeft(number(breakdown.sum, 1) + " ", NumberWidth) << "  the sum\n";
}

// ARO, TPR, PTP, APRO, APPO and AOB: a value a game over the board.
void writeGames(std::ostream& out, const TournamentTable& table, const FideTieBreak& tieBreak,
                const FideBreakdown& breakdown, double value) {
    const FideCode code = tieBreak.code;
    const int decimals = code == FideAob ? 1 : code == FidePtp ? 2 : 0;
    const std::string what = code == FideAob    ? (tieBreak.foreBuchholz ? "the opponent's Fore "
                                                                           "Buchholz"
                                                                         : "the opponent's Buchholz")
                             : code == FideApro ? "the opponent's performance rating (TPR)"
                             : code == FideAppo ? "the opponent's perfect performance (PTP)"
                                                : "the opponent's rating";
    for (const FideRoundLine& line : breakdown.rounds) {
        if (line.use == UseNotCounted) {
            writeRound(out, "", line, roundWords(table, line), "not a game over the board");
            continue;
        }
        std::string why =
            what + (code == FidePtp ? " " + number(line.opponentValue, 0) +
                                          ", your expected score at " + number(value, 0)
                                    : "");
        const double shown = code == FidePtp ? line.contribution : line.opponentValue;
        writeRound(out, number(shown, decimals), line, roundWords(table, line),
                   why + cutWords(line.cut, false));
    }
    const std::string games =
        std::to_string(breakdown.counted) + (breakdown.counted == 1 ? " game" : " games");
    if (breakdown.counted == 0) {
        out << "No game over the board counts: the value is not defined.\n";
        return;
    }
    const double mean = breakdown.sum / breakdown.counted;
    switch (code) {
        case FideTpr:
            out << "Your opponents' ratings add up to " << number(breakdown.sum, 0) << " in "
                << games << ", an average of " << number(breakdown.averageRating, 0)
                << " rounded; your " << number(breakdown.gamePoints, 1) << " points make "
                << std::to_string(breakdown.percentage)
                << " %, which FIDE's conversion table turns into "
                << number(breakdown.ratingDifference, 0) << ": "
                << number(breakdown.averageRating, 0)
                << (breakdown.ratingDifference < 0 ? " - " : " + ")
                << number(std::fabs(breakdown.ratingDifference), 0) << " = " << number(value, 0)
                << '\n';
            return;
        case FidePtp:
            if (breakdown.gamePoints == 0.0) {
                out << "Without a point the value is the lowest opponent's rating less 800: "
                    << number(value, 0) << '\n';
                return;
            }
            out << "At " << number(value, 0) << " your expected score is "
                << number(breakdown.expectedScore, 2) << ", reaching your "
                << number(breakdown.gamePoints, 1) << " points in " << games << "; at "
                << number(value - 1.0, 0) << " it is " << number(breakdown.expectedBelow, 2)
                << ".\n";
            return;
        default:
            out << padLeft(number(breakdown.sum, decimals) + " ", NumberWidth) << "  the sum over "
                << games << ", a mean of " << fixed(mean, 0, 4) << ", rounded "
                << (code == FideAob ? "half up to two decimals" : "to a whole number") << ": "
                << number(value, fideDecimals(code)) << '\n';
            return;
    }
}

// PTS, WIN, WON, BPG, BWG, REP, VUR, STD and PS: the player's own rounds.
void writeOwnRounds(std::ostream& out, const TournamentTable& table, const FideTieBreak& tieBreak,
                    const FideBreakdown& breakdown) {
    const FideCode code = tieBreak.code;
    const int decimals = fideDecimals(code);
    std::string why;
    switch (code) {
        case FideWin:
            why = "a win's points";
            break;
        case FideWon:
            why = "a game won";
            break;
        case FideBpg:
            why = "a game with black";
            break;
        case FideBwg:
            why = "a game won with black";
            break;
        case FideRep:
            why = "a round you took part in";
            break;
        case FideVur:
            why = "a voluntary unplayed round";
            break;
        case FidePs:
            why = "your score after the round";
            break;
        default:
            why = "your points";
            break;
    }
    for (const FideRoundLine& line : breakdown.rounds) {
        if (line.use == UseNotCounted) continue;
        const std::string cut =
            line.cut != CutNone ? "; left out by /C" + std::to_string(tieBreak.lowCuts) : "";
        writeRound(out, number(line.contribution, decimals), line, roundWords(table, line),
                   why + cut);
    }
    out << padLeft(number(breakdown.sum, decimals) + " ", NumberWidth) << "  the sum\n";
}

void writeDirectEncounter(std::ostream& out, const TournamentTable& table,
                          const FideBreakdown& breakdown, double value) {
    for (const FideRoundLine& line : breakdown.rounds) {
        const std::string why = line.use == UseNotCounted ? "a forfeit, which counts only with /P"
                                                          : "a game inside the group";
        writeRound(out, line.use == UseNotCounted ? "" : number(line.points, 1), line,
                   roundWords(table, line), why);
    }
    std::size_t stage = 1;
    for (const FideEncounterStage& step : breakdown.stages) {
        out << "Stage " << std::to_string(stage++) << ": " << std::to_string(step.members)
            << " players, " << (step.allMet ? "every one met every other" : "not all met")
            << "; you have " << number(step.points, 1) << " points against them";
        if (step.notMet > 0) out << " and did not meet " << std::to_string(step.notMet);
        switch (step.outcome) {
            case EncounterByPoints:
                out << ": place " << std::to_string(step.place) << " by those points\n";
                break;
            case EncounterClearAhead:
                out << ", more than any other left could reach: place "
                    << std::to_string(step.place) << '\n';
                break;
            case EncounterLast:
                out << ": the others went ahead, place " << std::to_string(step.place) << '\n';
                break;
            case EncounterTied:
                out << ": still tied, sharing place " << std::to_string(step.place) << '\n';
                break;
        }
    }
    if (value == 0.0) {
        out << "The games between the tied players separate nobody: 0 for every one of them.\n";
    } else {
        out << "Your place in the group: " << number(value, 0) << '\n';
    }
}

}  // namespace

void writeFideBreakdown(std::ostream& out, const TournamentTable& table,
                        const FideTieBreak& tieBreak, FideRules rules,
                        const FideBreakdown& breakdown, double value) {
    const std::string shown =
        std::isnan(value) ? std::string("not defined") : number(value, fideDecimals(tieBreak.code));
    out << fideLabel(tieBreak) << " of "
        << playerName(table, static_cast<std::int32_t>(breakdown.player)) << ": " << shown << " ("
        << rulesWords(rules, breakdown) << ")\n";
    switch (tieBreak.code) {
        case FidePts:
        case FideWin:
        case FideWon:
        case FideBpg:
        case FideBwg:
        case FideRep:
        case FideVur:
        case FidePs:
        case FideStd:
            writeOwnRounds(out, table, tieBreak, breakdown);
            return;
        case FideTpn:
            out << "Your start number.\n";
            return;
        case FideRtng:
            out << (table.isUnrated(breakdown.player)
                        ? "You are unrated: the rating given to unrated players.\n"
                        : "Your rating.\n");
            return;
        case FideBh:
        case FideFb:
        case FideSb:
            writeBuchholz(out, table, tieBreak, breakdown);
            return;
        case FideKs:
            writeKoya(out, table, breakdown);
            return;
        case FideAob:
        case FideAro:
        case FideTpr:
        case FidePtp:
        case FideApro:
        case FideAppo:
            writeGames(out, table, tieBreak, breakdown, value);
            return;
        case FideDe:
            writeDirectEncounter(out, table, breakdown, value);
            return;
    }
}

}  // namespace tiebreak
