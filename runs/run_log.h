#pragma once

#include <ostream>
#include <span>

#include "tournament/tournament_table.h"

namespace tiebreak {

// What both run logs say when the sparse solver stopped at its iteration limit.
inline constexpr const char* SparseLimitLine = "Sparse solver: stopped at its iteration limit\n";

// Both run logs end with the players who played no game and those who played fewer than half
// the most games anyone played (rounded down), each list under its heading, in table order.
void logContestantLists(std::ostream& log, const TournamentTable& table);

// The error measure of two solutions: values is subtracted from scratch in place, and the
// games-weighted norm of the difference is returned.
[[nodiscard]] double differenceMeasure(const TournamentTable& table, std::span<double> scratch,
                                       std::span<const double> values) noexcept;

}  // namespace tiebreak
