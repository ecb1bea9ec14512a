// crosstable-generator [OPTIONS]: writes a made-up Swiss Manager crosstable for tests, benchmarks
// and demonstrations.
#include <cstdio>
#include <string>

#include <CLI/CLI.hpp>

#include "tools/crosstable_generator.h"
#include "tournament/tournament_table.h"

int main(int argc, char** argv) {
    tiebreak::GeneratorOptions options;
    std::string output = "-";
    CLI::App app{"Writes a made-up Swiss Manager crosstable export.", "crosstable-generator"};
    app.add_option("-p,--players", options.players, "number of players")
        ->check(CLI::Range(std::uint32_t{2}, tiebreak::TournamentTable::MaxPlayers));
    app.add_option("-r,--rounds", options.rounds, "Swiss rounds")->check(CLI::Range(1, 1000));
    app.add_option("-s,--seed", options.seed, "random seed");
    const CLI::Range share(0.0, 1.0);
    app.add_option("--unrated", options.unratedShare, "share of unrated players")->check(share);
    app.add_option("--byes", options.byeShare, "share of requested half-point byes")->check(share);
    app.add_option("--forfeits", options.forfeitShare, "share of forfeited pairings")->check(share);
    app.add_option("--absent", options.absentShare, "share of rounds missed")->check(share);
    app.add_option("--without-games", options.playersWithoutGames,
                   "players withdrawn before round 1");
    app.add_flag("--double-round-robin", options.doubleRoundRobin,
                 "every pair meets twice (ignores --rounds)");
    app.add_flag("--two-groups", options.twoGroups, "two halves that never meet");
    app.add_flag("--adjacent", options.adjacentPairing,
                 "pair neighbours in the standings: a field that mixes slowly");
    app.add_flag("--crlf", options.crlf, "\\r\\n line ends");
    app.add_flag("--without-rating-column", options.withoutRatingColumn,
                 "ratings in the first field, no Rtg column");
    app.add_flag("--trf", options.trf, "a FIDE TRF file of the same tournament instead");
    app.add_option("-o,--output", output, "output file, - for standard output");
    CLI11_PARSE(app, argc, argv);

    if (output == "-") {
        const std::string text = tiebreak::generateCrosstable(options);
        if (!text.empty() && std::fwrite(text.data(), 1, text.size(), stdout) == text.size() &&
            std::fflush(stdout) == 0) {
            return 0;
        }
    } else if (tiebreak::writeCrosstable(options, output)) {
        return 0;
    }
    std::fprintf(stderr, "crosstable-generator: %s cannot be written\n", output.c_str());
    return 1;
}
