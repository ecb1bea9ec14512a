#pragma once

#include <array>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "runs/notices.h"
#include "runs/run_codes.h"
#include "runs/run_ending.h"
#include "tournament/tournament_table.h"

namespace tiebreak {

// Method slots of the simple run: RP, RP*, RB, RB* (recursive performance, its decomposition,
// recursive Bucholz, its decomposition).
inline constexpr int MethodSlotCount = 4;
// Variant bits 1, 2, 4, 8, 16, 32 of a slot: the values themselves, (RA), (MA), (TA), (T), (P).
inline constexpr int VariantCount = 6;
// sortMethod when no slot is chosen.
inline constexpr int NoSortMethod = 4;

// What the simple run computes and how its report looks, with its input and outputs; the simple
// driver and the command line get it from simpleRunOptions.
struct SimpleRunOptions : CommonRunOptions {
    std::array<int, MethodSlotCount> methodVariants{};  // one mask of variant bits per slot
    int sortRows = 0;       // 1: rows sorted by points and the sorting column
    int sortMethod = 0;     // slot of the sorting column, NoSortMethod for none
    int sortVariant = 0;    // variant bit of the sorting column, 0 for none
    int writeHeadings = 0;  // 1: a heading line
    int eloForUnrated = 0;
    int dropWorst = 0;  // rivals left out by the (MA) variant
    int dropBest = 0;
};

// The computed columns: one entry per slot and variant index, empty where nothing was computed.
using ResultGrid =
    std::array<std::array<std::unique_ptr<std::vector<double>>, VariantCount>, MethodSlotCount>;

// The simple dialog's three sorting choices.
enum SimpleSorting : int {
    SimpleSortingPerformance = 0,         // by recursive performance
    SimpleSortingRivalsWithoutWorst = 1,  // by the rivals' average without the worst of them
    SimpleSortingNone = 2,                // crosstable order
};

// The options the simple dialog stands for: recursive performance and the rivals' average
// without the worst rival (slot 0, variants 1 and 4), sorted as chosen, with headings, and the
// beep at the end.
[[nodiscard]] SimpleRunOptions simpleRunOptions(SimpleSorting sorting, int eloForUnrated);

// Reads the crosstable at options.inputPath, computes the tie-breaks the options ask for, writes
// the run log to log and the results table to options.intermediatePath, delivers it
// (deliverResults) and finishes (finishRun). RunFailed after one error box: the reader's
// refusal, no memory, a results table that cannot be written, the engine's refusal of a variant
// it does not know (the table is written all the same) or a failed delivery.
[[nodiscard]] RunOutcome runSimple(Notices& notices, FileOpener& opener,
                                   const SimpleRunOptions& options, std::ostream& log);

// The results table of a simple run with normalised options. 0, ErrorCannotOpenFile or
// ErrorNoMemory.
[[nodiscard]] int writeSimpleReport(const std::string& outputPath, const TournamentTable& table,
                                    const ResultGrid& grid, const SimpleRunOptions& options);

}  // namespace tiebreak
