#include "bench/bench_fields.h"

#include <sys/resource.h>

#include <cstdlib>
#include <map>
#include <utility>

#include "engine/svd/svd.h"
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
    return systemMatrixByColumns(table, activePlayers(table));
}

double peakMegabytes() noexcept {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

}  // namespace tiebreak
