#pragma once

#include "runs/run_result.h"

namespace tiebreak {

// The ranking of a computed run into result.order and result.ranks: points first (the score the
// tables show), then the first row, or with a FIDE tie-break among the rows each row in turn,
// each only among the players still equal on everything before it. A recursive value that is not
// a number, and a FIDE value that is not defined, rank after every value; FIDE's direct
// encounter and start number rank the lower first. Direct encounter is computed here, within
// each group its turn finds tied, into its row. Players still equal share their places, and keep
// the file's order among them. StatusOk or StatusNoMemory.
[[nodiscard]] int rankPlayers(RunResult& result) noexcept;

}  // namespace tiebreak
