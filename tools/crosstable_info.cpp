// crosstable-info FILE: prints what the reader takes from a tournament file.
#include <algorithm>
#include <cstdio>
#include <numeric>
#include <string>
#include <vector>

#include "tournament/status_codes.h"
#include "tournament/tournament_reader.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: crosstable-info FILE\n");
        return 2;
    }
    tiebreak::TournamentTable table;
    if (const int status = tiebreak::readTournament(table, argv[1], 1400); status != 0) {
        std::fprintf(stderr, "crosstable-info: %s cannot be read (code %d)\n", argv[1], status);
        return 1;
    }
    const auto games = table.gamesPlayed();
    std::printf(
        "players: %u\nrounds: %u\ngames: %llu\n", table.playerCount(), table.maxGamesPlayed(),
        static_cast<unsigned long long>(std::accumulate(games.begin(), games.end(), 0ull) / 2));
    std::vector<std::uint32_t> order(table.playerCount());
    std::iota(order.begin(), order.end(), 0u);
    std::stable_sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
        return table.totalPoints(a) > table.totalPoints(b);
    });
    order.resize(std::min<std::size_t>(order.size(), 10));
    std::printf("top players:\n");
    for (std::uint32_t player : order) {
        const std::string name(table.name(player));
        std::printf("  %-30s %4.1f points, %lld games\n", name.c_str(), table.totalPoints(player),
                    static_cast<long long>(table.gamesPlayed(player)));
    }
    return 0;
}
