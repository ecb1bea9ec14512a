#include "runs/simple_run.h"

#include <cstdio>
#include <span>
#include <string>

#include "engine/svd/svd.h"
#include "engine/tie_break.h"
#include "runs/error_messages.h"
#include "runs/run_codes.h"
#include "runs/run_log.h"
#include "runs/spreadsheet.h"
#include "runs/text_format.h"
#include "tournament/memory_guard.h"
#include "tournament/tournament_reader.h"

namespace tiebreak {

namespace {

constexpr TieBreakMethod SlotMethods[MethodSlotCount] = {
    MethodRecursivePerformance, MethodRecursivePerformanceSvd, MethodRecursiveBucholz,
    MethodRecursiveBucholzSvd};
constexpr const char* SlotLogLines[MethodSlotCount] = {
    "\nNumber of iterations of Recursive Performance: ",
    "\nSingular value decomposition for Recursive Performance succesful\n",
    "\nNumber of iterations of Recursive Bucholz: ",
    "\nSingular value decomposition for Recursive Bucholz succesful\n"};

constexpr const char* SlotSparseLines[MethodSlotCount] = {
    "", "\nSparse solver for Recursive Performance successful\n", "",
    "\nSparse solver for Recursive Bucholz successful\n"};

constexpr std::string_view SlotPhases[MethodSlotCount] = {
    PhaseIteratingPerformance, PhaseCrossCheck, PhaseIteratingBucholz, PhaseCrossCheck};
constexpr const char* SlotNotConvergedLines[MethodSlotCount] = {
    "", "\nSingular value decomposition for Recursive Performance not converged in 30 sweeps\n", "",
    "\nSingular value decomposition for Recursive Bucholz not converged in 30 sweeps\n"};

bool isIterativeSlot(int slot) {
    return slot % 2 == 0;
}

bool isPerformanceSlot(int slot) {
    return slot < 2;
}

// The sorting column is always computed, and something always is.
void normalise(SimpleRunOptions& options) {
    if (options.sortRows == 1) {
        if (options.sortMethod == NoSortMethod) options.sortMethod = 0;
        if (options.sortVariant == 0) options.sortVariant = 1;
    }
    // A hand-made options record may name a slot or bit that does not exist: none is chosen.
    if (options.sortMethod < 0 || options.sortMethod >= MethodSlotCount) {
        options.sortMethod = NoSortMethod;
    }
    if (options.sortVariant < 0 || options.sortVariant > (1 << (VariantCount - 1)) ||
        (options.sortVariant & (options.sortVariant - 1)) != 0) {
        options.sortVariant = 0;
    }
    if (options.sortRows == 1 && options.sortMethod != NoSortMethod) {
        options.methodVariants[options.sortMethod] |= options.sortVariant;
    }
    for (int& mask : options.methodVariants)
        mask &= (1 << VariantCount) - 1;
    bool any = false;
    for (const int mask : options.methodVariants)
        any = any || mask != 0;
    if (!any) options.methodVariants[0] = 1;
    // Without a sorting column that is computed, the first computed column sorts.
    if (options.sortMethod == NoSortMethod ||
        (options.methodVariants[options.sortMethod] & options.sortVariant) == 0) {
        for (int slot = 0; slot < MethodSlotCount; ++slot) {
            const int mask = options.methodVariants[slot];
            if (mask == 0) continue;
            options.sortMethod = slot;
            options.sortVariant = mask & -mask;  // the lowest bit set
            break;
        }
    }
}

// The decomposition slots of a field above the decomposition's size limit: both are solved on
// one sparse system, built when the first of them needs it.
class SparseSlots {
public:
    // The slot's direct solution into out: StatusOk, StatusNotConverged (the solver stopped at
    // its iteration limit), StatusNoMemory or StatusInvalidArgument.
    int solve(const TournamentTable& table, int slot, std::span<double> out) {
        if (!built_) {
            if (const int built = system_.build(table); failed(built)) return built;
            built_ = true;
        }
        return isPerformanceSlot(slot)
                   ? recursivePerformanceSparse(system_, table, out, ratingDifference)
                   : recursiveBucholzSparse(system_, table, out);
    }

private:
    SparseSystem system_;
    bool built_ = false;
};

// A grid entry of n values, or none when memory runs out.
std::unique_ptr<std::vector<double>> newEntry(std::size_t n) noexcept {
    return guardMemory(nullptr, [n] { return std::make_unique<std::vector<double>>(n); });
}

// The computation: every slot with a mask, its residual and its variants. Returns 0, or the
// code that stopped it (ErrorNoMemory, or the engine's refusal of a variant it does not know);
// the columns not computed stay empty and the run goes on.
int computeSlots(const TournamentTable& table, const SimpleRunOptions& options, ResultGrid& grid,
                 std::array<bool, MethodSlotCount>& sparse, std::vector<double>& work,
                 std::ostream& log, const PhaseReport& progress) {
    const std::size_t n = table.playerCount();
    SparseSlots sparseSlots;
    for (int slot = 0; slot < MethodSlotCount; ++slot) {
        const int mask = options.methodVariants[slot];
        if (mask == 0) continue;
        const ScoreFunction scoreFunction = ratingDifference;  // the one performance rule
        const ScoreFunction residualFunction =
            isPerformanceSlot(slot) ? scoreFunction : scoreFraction;
        enterPhase(progress, SlotPhases[slot]);
        grid[slot][0] = newEntry(n);
        if (!grid[slot][0]) return ErrorNoMemory;
        std::vector<double>& values = *grid[slot][0];
        int result = computeTieBreak(table, values, scoreFunction, SlotMethods[slot],
                                     ModificationNone, IterationTolerance, IterationLimit, 1, 0);
        // Above the decomposition's size limit the sparse solver gives the same solution.
        if (result == StatusTooLarge) {
            sparse[slot] = true;
            result = sparseSlots.solve(table, slot, values);
        }
        if (failed(result)) {
            grid[slot][0].reset();
            return runCodeOf(result);
        }
        if (sparse[slot]) {
            log << (result == StatusNotConverged ? "\n" + std::string(SparseLimitLine)
                                                 : std::string(SlotSparseLines[slot]));
        } else if (!isIterativeSlot(slot) && result == StatusNotConverged) {
            // Solved all the same, maybe inexactly.
            std::fputs("SVD FAILURE\t", stdout);
            std::fflush(stdout);
            log << SlotNotConvergedLines[slot];
        } else {
            log << SlotLogLines[slot];
        }
        if (isIterativeSlot(slot)) log << result << '\n';
        log << std::flush;

        static_cast<void>(applyModification(table, work, values, ModificationPerformanceStep,
                                            residualFunction, 1, 0));  // the residual is logged
        log << "Error: " << general(differenceMeasure(table, work, values), 17) << '\n'
            << std::flush;

        for (int variant = 1; variant < VariantCount; ++variant) {
            if ((mask & (1 << variant)) == 0) continue;
            std::unique_ptr<std::vector<double>> entry = newEntry(n);
            if (!entry) return ErrorNoMemory;
            const int status =
                applyModification(table, *entry, values, static_cast<Modification>(variant + 1),
                                  scoreFunction, options.dropWorst, options.dropBest);
            if (failed(status)) return runCodeOf(status);
            grid[slot][variant] = std::move(entry);
        }
    }
    return 0;
}

void logSolutionDifference(const TournamentTable& table, const ResultGrid& grid,
                           const std::array<bool, MethodSlotCount>& sparse, int iterative,
                           const char* heading, std::vector<double>& work, std::ostream& log) {
    const auto& a = grid[iterative][0];
    const auto& b = grid[iterative + 1][0];
    if (!a || !b) return;
    work = *a;
    log << heading
        << (sparse[iterative + 1] ? "Error between recursive method and sparse solver: "
                                  : "Error between recursive method and SVD decomposition: ")
        << general(differenceMeasure(table, work, *b), 17) << '\n'
        << std::flush;
}

}  // namespace

SimpleRunOptions simpleRunOptions(SimpleSorting sorting, int eloForUnrated) {
    SimpleRunOptions options;
    options.methodVariants = {5, 0, 0, 0};
    options.sortRows = sorting == SimpleSortingNone ? 2 : 1;
    options.sortMethod = sorting == SimpleSortingNone ? NoSortMethod : 0;
    options.sortVariant = sorting == SimpleSortingPerformance          ? 1
                          : sorting == SimpleSortingRivalsWithoutWorst ? 4
                                                                       : 0;
    options.writeHeadings = 1;
    options.eloForUnrated = eloForUnrated;
    options.dropWorst = 1;
    options.dropBest = 0;
    options.beep = 1;
    return options;
}

RunOutcome runSimple(Notices& notices, FileOpener& opener, const SimpleRunOptions& given,
                     std::ostream& log) {
    TournamentTable table;
    enterPhase(given.progress, PhaseReading);
    std::string reason;
    if (const int read = readTournament(table, given.inputPath, given.eloForUnrated, &reason);
        read != 0) {
        log << "Unsuitable input file\n";
        if (!reason.empty()) log << reason << '\n';
        log << std::flush;
        showErrorMessage(notices, read, given.inputPath, reason);
        return RunFailed;
    }
    log << "Input file: " << given.inputPath << '\n' << std::flush;
    SimpleRunOptions options = given;
    normalise(options);
    std::vector<double> work;
    if (failed(guardMemory(ErrorNoMemory, [&] {
            work.resize(table.playerCount());
            return 0;
        }))) {
        showErrorMessage(notices, ErrorNoMemory, options.inputPath);
        return RunFailed;
    }
    ResultGrid grid;
    std::array<bool, MethodSlotCount> sparse{};  // the slots the sparse solver filled
    log << "\nExecuting methods...\n" << std::flush;
    const int computed = computeSlots(table, options, grid, sparse, work, log, options.progress);
    enterPhase(options.progress, PhaseWriting);
    log << "\nOutput file: " << options.intermediatePath << '\n' << std::flush;
    int reported = writeSimpleReport(options.intermediatePath, table, grid, options);
    // A table that cannot be created is the folder's fault, not the input's.
    if (reported == ErrorCannotOpenFile) reported = ErrorCannotWriteFolder;
    logSolutionDifference(table, grid, sparse, 0, "\nRecursive Performance:\n", work, log);
    logSolutionDifference(table, grid, sparse, 2, "\nRecursive Bucholz:\n", work, log);
    logContestantLists(log, table);
    log << '\n' << std::flush;
    if (const int ran = reported != 0 ? reported : computed; ran != 0) {
        showErrorMessage(
            notices, ran,
            ran == ErrorCannotWriteFolder ? folderOf(options.intermediatePath) : options.inputPath);
        return RunFailed;
    }
    if (std::string name; const int delivered = deliverResults(options, notices, log, name)) {
        showErrorMessage(notices, delivered, name);
        return RunFailed;
    }
    finishRun(options, notices, opener);
    return RunFinished;
}

}  // namespace tiebreak
