#pragma once

#include "runs/run_progress.h"
#include "runs/run_request.h"
#include "runs/run_result.h"
#include "tournament/tournament_table.h"

namespace tiebreak {

// The run after the reading: takes the read tournament into result and computes every method
// the rows use with its checks, every row, the players' order and the notices, telling progress
// each phase as it starts. 0, ErrorNoMemory, or ErrorNoTieBreak for a request without rows.
// Nothing is written.
[[nodiscard]] int analyse(TournamentTable&& tournament, const RunRequest& request,
                          const PhaseReport& progress, RunResult& result) noexcept;

// The row's heading: "RP" or "RB", followed by "(A(W-B))" for a rivals average, or in the simple
// run's table "(MA)(W,B)".
[[nodiscard]] std::string rowLabel(const TieBreakRow& row, RunStyle style);

}  // namespace tiebreak
