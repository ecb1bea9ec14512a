#pragma once

#include <ostream>
#include <vector>

#include "cli/explained_rows.h"

namespace tiebreak {

// The whole result of a finished advanced run as one JSON document (docs/results.schema.json):
// the options, each row with its method's iteration count and check measures, and per player in
// table order the name, number, points, games, the value of every row and the opponents with the
// games against each. Numbers are written to full precision; a value that is not a finite number
// (a player without games, a rivals average with nothing left) is null. False when the stream
// failed.
[[nodiscard]] bool writeResultsJson(std::ostream& out, const TournamentTable& table,
                                    const AdvancedRunOptions& options,
                                    const std::vector<ExplainedRow>& rows);

}  // namespace tiebreak
