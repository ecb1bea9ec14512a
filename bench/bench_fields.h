#pragma once

#include <cstdint>
#include <string>

#include "engine/matrix.h"
#include "tournament/tournament_table.h"

namespace tiebreak {

// A generated open of `players` players and `rounds` rounds (seed 1), read once per process; with
// `slow`, paired neighbour against neighbour in the standings, a field that mixes slowly.
[[nodiscard]] const TournamentTable& benchOpen(std::uint32_t players, std::uint32_t rounds,
                                               bool slow = false);

// The same open written as a crosstable file, once per process; its path.
[[nodiscard]] const std::string& benchOpenFile(std::uint32_t players, std::uint32_t rounds,
                                               bool slow = false);

// The system's (a + 1)-by-a matrix by columns (column-major, as LAPACK takes it).
[[nodiscard]] Matrix systemColumns(const TournamentTable& table);

// This process's peak resident memory in megabytes.
[[nodiscard]] double peakMegabytes() noexcept;

}  // namespace tiebreak
