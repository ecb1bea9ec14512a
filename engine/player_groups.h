#pragma once

#include <cstdint>
#include <vector>

#include "tournament/tournament_table.h"

namespace tiebreak {

// The groups of players who met, directly or through others: the connected parts of the games
// graph. A field whose groups never met has no one solution of its tie-break systems; each group
// is a tournament of its own.
struct PlayerGroups {
    static constexpr std::int32_t NoGroup = -1;
    std::vector<std::int32_t> groupOf;  // each player's group; NoGroup for a player without games
    std::vector<std::uint32_t> sizes;   // players of each group, in the order of their first
                                        // player in the table
    [[nodiscard]] std::size_t count() const noexcept { return sizes.size(); }
};

// The groups of table's players with games. May throw std::bad_alloc.
[[nodiscard]] PlayerGroups playerGroups(const TournamentTable& table);

}  // namespace tiebreak
