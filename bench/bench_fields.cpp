#include "bench/bench_fields.h"

#include <sys/resource.h>

#include <cstdlib>
#include <map>
#include <utility>
#include <vector>

#include "tools/crosstable_generator.h"
#include "tournament/crosstable_reader.h"
#include "tournament/status_codes.h"
#include "tournament/text_file.h"

namespace tiebreak {

const TournamentTable& benchOpen(std::uint32_t players, std::uint32_t rounds) {
    static std::map<std::pair<std::uint32_t, std::uint32_t>, TournamentTable> tables;
    auto [it, added] = tables.try_emplace({players, rounds});
    if (added) {
        GeneratorOptions options;
        options.players = players;
        options.rounds = rounds;
        if (readCrosstableLines(it->second, splitLines(generateCrosstable(options)), 1400) !=
            StatusOk) {
            std::abort();
        }
    }
    return it->second;
}

Matrix systemColumns(const TournamentTable& table) {
    const auto games = table.gamesPlayed();
    std::vector<std::uint32_t> active;
    for (std::uint32_t i = 0; i < games.size(); ++i) {
        if (games[i] != 0) active.push_back(i);
    }
    const std::size_t count = active.size();
    Matrix columns(count, count + 1);
    for (std::size_t r = 0; r < count; ++r) {
        const auto row = table.gamesAgainstRow(active[r]);
        for (std::size_t q = 0; q < count; ++q) {
            columns(q, r) = r == q ? 1.0
                                   : -(static_cast<double>(row[active[q]]) /
                                       static_cast<double>(games[active[r]]));
        }
        columns(r, count) = static_cast<double>(games[active[r]]);
    }
    return columns;
}

double peakMegabytes() noexcept {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

}  // namespace tiebreak
