#pragma once

#include <ostream>
#include <string>

#include "runs/run_result.h"

namespace tiebreak {

// The run log of a finished run, in three pieces around the writing of its results. Numbers are
// written as the C library's "%.17g" writes them, whatever the locale.

// The methods' lines: each method's iteration count (or that it reached its limit) and residual,
// and in the advanced run its distance to the direct solution. The simple run's log begins with
// the input file.
void logMethods(std::ostream& log, const RunResult& result);

// The results file as written ("-" for standard output), and the name of their own that the
// results of a .csv input get beside it.
void logOutputFile(std::ostream& log, const RunResult& result, const std::string& written);

// The end: the players who played no game and those who played fewer than half the most games
// anyone played (rounded down), each list under its heading in table order; the rivals message
// when it was shown.
void logEnd(std::ostream& log, const RunResult& result);

// The log of a refused input: the simple run names it unsuitable whatever the reason, the
// advanced run only for a file that cannot be read or is refused for its content.
void logRefusedInput(std::ostream& log, RunStyle style, int code, const std::string& reason);

}  // namespace tiebreak
