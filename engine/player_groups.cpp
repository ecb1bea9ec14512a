#include "engine/player_groups.h"

namespace tiebreak {

PlayerGroups playerGroups(const TournamentTable& table) {
    const std::uint32_t n = table.playerCount();
    PlayerGroups groups;
    groups.groupOf.assign(n, PlayerGroups::NoGroup);
    std::vector<std::uint32_t> pending;
    for (std::uint32_t first = 0; first < n; ++first) {
        if (groups.groupOf[first] != PlayerGroups::NoGroup || table.gamesPlayed()[first] == 0)
            continue;
        // Everybody reached from first, by the games of either player's line.
        const auto group = static_cast<std::int32_t>(groups.sizes.size());
        std::uint32_t size = 0;
        groups.groupOf[first] = group;
        pending.assign(1, first);
        while (!pending.empty()) {
            const std::uint32_t player = pending.back();
            pending.pop_back();
            ++size;
            for (const GamesAgainst& entry : table.opponents(player)) {
                if (groups.groupOf[entry.opponent] != PlayerGroups::NoGroup) continue;
                groups.groupOf[entry.opponent] = group;
                pending.push_back(entry.opponent);
            }
        }
        groups.sizes.push_back(size);
    }
    return groups;
}

}  // namespace tiebreak
