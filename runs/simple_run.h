#pragma once

#include <array>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "runs/run_codes.h"
#include "runs/run_progress.h"
#include "tournament/tournament_table.h"

namespace tiebreak {

// Method slots of the simple run: RP, RP*, RB, RB* (recursive performance, its decomposition,
// recursive Bucholz, its decomposition).
inline constexpr int MethodSlotCount = 4;
// Variant bits 1, 2, 4, 8, 16, 32 of a slot: the values themselves, (RA), (MA), (TA), (T), (P).
inline constexpr int VariantCount = 6;
// sortMethod when no slot is chosen.
inline constexpr int NoSortMethod = 4;

// What the simple run computes and how its report looks; the simple driver fills it.
struct SimpleRunOptions {
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
// without the worst rival (slot 0, variants 1 and 4), sorted as chosen, with headings.
[[nodiscard]] SimpleRunOptions simpleRunOptions(SimpleSorting sorting, int eloForUnrated) noexcept;

// Reads the crosstable at inputPath, computes the tie-breaks the options ask for, appends the
// run log to logPath (standard output when empty; a log that cannot be opened is lost) and
// writes the results table to outputPath ("-screen": standard output). 0, the reader's code,
// ErrorNoMemory, ErrorCannotWriteFolder when the results table cannot be created, or the
// report's code.
[[nodiscard]] int runSimple(const std::string& inputPath, const std::string& outputPath,
                            SimpleRunOptions options, const std::string& logPath);

// The same with the log written to log; progress is told each phase as it starts, and readReason
// (when given) why the reader refused the input.
[[nodiscard]] int runSimple(const std::string& inputPath, const std::string& outputPath,
                            SimpleRunOptions options, std::ostream& log,
                            const PhaseReport& progress = {}, std::string* readReason = nullptr);

// The results table of a simple run with normalised options. 0, ErrorCannotOpenFile or
// ErrorNoMemory.
[[nodiscard]] int writeSimpleReport(const std::string& outputPath, const TournamentTable& table,
                                    const ResultGrid& grid, const SimpleRunOptions& options);

}  // namespace tiebreak
