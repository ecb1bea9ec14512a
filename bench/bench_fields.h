#pragma once

#include <cstdint>

#include "engine/matrix.h"
#include "tournament/tournament_table.h"

namespace tiebreak {

// A generated open of `players` players and `rounds` rounds (seed 1), read once per process.
[[nodiscard]] const TournamentTable& benchOpen(std::uint32_t players, std::uint32_t rounds);

// The system's (a + 1)-by-a matrix by columns (column-major, as LAPACK takes it).
[[nodiscard]] Matrix systemColumns(const TournamentTable& table);

// This process's peak resident memory in megabytes.
[[nodiscard]] double peakMegabytes() noexcept;

}  // namespace tiebreak
