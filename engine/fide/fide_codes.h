#pragma once

#include <string>
#include <string_view>

namespace tiebreak {

// FIDE's standard tie-breaks (Handbook C.07), by their acronyms.
enum FideCode : int {
    FidePts = 1,    // points
    FideWin = 2,    // rounds that brought a win's points, with or without a game
    FideWon = 3,    // games won over the board
    FideBpg = 4,    // games played with black
    FideBwg = 5,    // games won with black
    FideRep = 6,    // rounds elected to play: the rounds less the voluntary unplayed ones
    FideVur = 7,    // voluntary unplayed rounds (shown for checking)
    FidePs = 8,     // progressive score: the sum of the scores after each round
    FideStd = 9,    // standard points: 1 above a draw's points, 1/2 for a draw's
    FideTpn = 10,   // start number
    FideRtng = 11,  // rating
    FideBh = 12,    // Buchholz: the opponents' adjusted scores
    FideFb = 13,    // Fore Buchholz: Buchholz with the final round's pairings drawn
    FideSb = 14,    // Sonneborn-Berger: each opponent's adjusted score times the points against him
    FideAob = 15,   // average of the Buchholz of the opponents met over the board
    FideKs = 16,    // Koya: points against opponents with at least half the maximum score
    FideAro = 17,   // average rating of the opponents
    FideTpr = 18,   // tournament performance rating
    FidePtp = 19,   // perfect tournament performance
    FideApro = 20,  // average performance rating of the opponents
    FideAppo = 21,  // average perfect performance of the opponents
    FideDe = 22,    // direct encounter, within a group of tied players
};

// The edition of the regulations a computation follows: those applied from 1 August 2024, or
// their revision applied from 1 March 2026, which caps the dummy opponent's score.
enum FideRules : int {
    FideRules2024 = 2024,
    FideRules2026 = 2026,
};

inline constexpr FideRules DefaultFideRules = FideRules2026;

// One tie-break as FIDE writes it: a code and its modifiers.
struct FideTieBreak {
    FideCode code = FidePts;
    int lowCuts = 0;               // /Cn and /Mn: the n least significant values left out
    int highCuts = 0;              // /Mn: the n most significant values left out as well
    int koyaShift = 0;             // /L+n, /L-n: the Koya limit moved by n half points
    bool forfeitsAsGames = false;  // /P: forfeits count as games against the paired opponent
    bool foreBuchholz = false;     // /F: AOB averages Fore Buchholz instead of Buchholz
    bool reversed = false;         // /R: TPN and RTNG ranked the other way
    bool operator==(const FideTieBreak&) const = default;
};

// Reads a tie-break written as FIDE does ("BH/C1", "bh/m2", "KS/L-1", "DE/P", "TPN/R"), in any
// case and with the modifiers in any order, into out. StatusOk, or StatusInvalidArgument with
// out untouched and error (when given) saying why: an unknown code is answered with every code,
// a modifier the code does not take with the modifiers it takes. StatusNoMemory when the error
// text cannot be made.
[[nodiscard]] int parseFideTieBreak(std::string_view text, FideTieBreak& out,
                                    std::string* error = nullptr) noexcept;

// True when the tie-break's modifiers are ones its code takes.
[[nodiscard]] bool isValidFideTieBreak(const FideTieBreak& tieBreak) noexcept;

// The code's acronym in upper case ("BH"); "" for a number that is no code.
[[nodiscard]] std::string_view fideCodeName(FideCode code) noexcept;

// The normalised form of a tie-break: the acronym, then a cut, a Koya shift and the flags, each
// after a "/" ("BH/C1", "KS/L-1", "SB/C1/P").
[[nodiscard]] std::string fideLabel(const FideTieBreak& tieBreak);

// True when a lower value ranks first: DE and TPN, and RTNG/R (TPN/R ranks the higher first).
[[nodiscard]] bool lowerIsBetter(const FideTieBreak& tieBreak) noexcept;

// The decimals FIDE shows the code's values with: 0 for counts, ratings, TPN and DE; 1 for PTS,
// STD, PS, KS, BH and FB; 2 for SB and AOB.
[[nodiscard]] int fideDecimals(FideCode code) noexcept;

}  // namespace tiebreak
