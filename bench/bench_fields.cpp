#include "bench/bench_fields.h"

#include <sys/resource.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <tuple>
#include <utility>

#include "engine/svd/svd.h"
#include "tools/crosstable_generator.h"
#include "tournament/crosstable_reader.h"
#include "tournament/status_codes.h"
#include "tournament/text_file.h"

namespace tiebreak {

namespace {

GeneratorOptions openOptions(std::uint32_t players, std::uint32_t rounds, bool slow) {
    GeneratorOptions options;
    options.players = players;
    options.rounds = rounds;
    options.adjacentPairing = slow;
    return options;
}

}  // namespace

const TournamentTable& benchOpen(std::uint32_t players, std::uint32_t rounds, bool slow) {
    static std::map<std::tuple<std::uint32_t, std::uint32_t, bool>, TournamentTable> tables;
    auto [it, added] = tables.try_emplace({players, rounds, slow});
    if (added) {
        const std::string text = generateCrosstable(openOptions(players, rounds, slow));
        if (readCrosstableLines(it->second, splitLines(text), 1400) != StatusOk) std::abort();
    }
    return it->second;
}

const std::string& benchOpenFile(std::uint32_t players, std::uint32_t rounds, bool slow) {
    static std::map<std::tuple<std::uint32_t, std::uint32_t, bool>, std::string> files;
    auto [it, added] = files.try_emplace({players, rounds, slow});
    if (added) {
        it->second = (std::filesystem::temp_directory_path() /
                      ("bench-open-" + std::to_string(players) + "-" + std::to_string(rounds) +
                       (slow ? "-slow" : "") + ".txt"))
                         .string();
        if (!writeCrosstable(openOptions(players, rounds, slow), it->second)) std::abort();
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
