#pragma once

#include <ostream>

#include "runs/run_result.h"

namespace tiebreak {

// The whole result of a finished run as one JSON document (docs/results.schema.json): the
// options, each method's iteration count and check measures, each row, and per player in table
// order the name, number, points, games, the value of every row and the opponents with the games
// against each. Numbers are written to full precision; a value that is not a finite number (a
// player without games, a rivals average with nothing left) is null. May throw std::bad_alloc.
void writeResultsJson(std::ostream& out, const RunResult& result);

}  // namespace tiebreak
