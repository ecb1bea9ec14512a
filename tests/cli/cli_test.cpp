// The command line's own rules (the method rows, the simple run it builds, the player --explain
// names; CLI11's own checks are its own), and the JSON document of a finished run read back:
// every number exactly as the run computed it, and null where the run has no finite value. The
// web page of the same run escapes what it shows and names nothing from outside.
#include "cli/cli_options.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <optional>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli/player_choice.h"
#include "runs/analysis.h"
#include "runs/results_html.h"
#include "runs/results_json.h"
#include "tools/crosstable_generator.h"
#include "tournament/crosstable_reader.h"
#include "tournament/text_file.h"
#include "tournament/tournament_reader.h"

namespace tiebreak {
namespace {

using Arguments = std::vector<std::string>;
constexpr TieBreakMethod Rp = MethodRecursivePerformance, Rb = MethodRecursiveBucholz;
constexpr Modification None = ModificationNone, Avg = ModificationRivalsAverage;

// Rows in order, as many as given; a malformed row, or an option given an empty value, is a
// usage error. The simple run takes the simple dialog's rows for the sorting, with the command
// line's Elo, order, headings and input.
TEST(CommandLine, MethodRowsAndTheSimpleRun) {
    CliOptions options;
    std::ostringstream out;
    // A -t takes one row: the crosstable may follow it, and other options after that.
    EXPECT_EQ(parseCommandLine({"-t", "rb:avg:2:1", "--tiebreak", "rp", "-t", "rb", "-t", "rp",
                                "-t", "rb", "cross.txt", "--log", "run.log"},
                               options, out, out),
              std::nullopt);
    EXPECT_EQ(options.request.inputPath, "cross.txt");
    EXPECT_EQ(options.request.rows,
              (std::vector<TieBreakRow>{{Rb, Avg, 2, 1}, {Rp}, {Rb}, {Rp}, {Rb}}));
    EXPECT_FALSE(options.explain);
    for (const Arguments& arguments :
         {Arguments{"-t", "rp:avg:10:0", "x"}, Arguments{"-t", "rb:avg:1", "x"},
          Arguments{"--explain", "", "x"}, Arguments{"--json=", "x"}}) {
        std::ostringstream err;
        CliOptions refused;
        EXPECT_EQ(parseCommandLine(arguments, refused, out, err), std::optional(CliUsageError));
        EXPECT_NE(err.str().find("Usage: rptiebreaks-cli [OPTIONS] CROSSTABLE\n"),
                  std::string::npos);
    }
    CliOptions simple;
    EXPECT_EQ(parseCommandLine(
                  {"--simple", "ma", "--elo", "1600", "--no-sort", "--no-headings", "my file.txt"},
                  simple, out, out),
              std::nullopt);
    const RunRequest& run = simple.request;
    EXPECT_EQ(run.rows, (std::vector<TieBreakRow>{{Rp, Avg, 1, 0}, {Rp}}));
    EXPECT_EQ(std::tuple(run.style, run.sorted, run.headings, run.eloForUnrated, run.inputPath),
              std::tuple(StyleSimple, false, false, 1600, "my file.txt"));
}

// By start number (four_rounds.txt's No. column), by "line:N" (the header is line 3), or by the
// start of a name without regard to case and accents, which must fit one player alone; the
// ambiguity lists start numbers.
TEST(ExplainedPlayer, ByStartNumberLineOrAStartThatFitsOne) {
    TournamentTable table;
    ASSERT_EQ(readTournament(table, RPT_TEST_DATA_DIR "/runs/four_rounds.txt", 1400), 0);
    std::ostringstream err;
    EXPECT_EQ(chooseExplainedPlayer(table, "6", err), std::optional<std::uint32_t>(5));
    EXPECT_EQ(chooseExplainedPlayer(table, "line:6", err), std::optional<std::uint32_t>(2));
    EXPECT_EQ(chooseExplainedPlayer(table, "NOVAK", err), std::optional<std::uint32_t>(1));
    EXPECT_EQ(chooseExplainedPlayer(table, "ab", err), std::nullopt);
    EXPECT_EQ(err.str(),
              "rptiebreaks-cli: \"ab\" names 2 players:\n  4 Abercrombie-Fitzgerald, "
              "Maria\n  9 Absent, Never\nGive more of the name, or the player's start number.\n");
}

std::uint64_t bits(double value) {
    return std::bit_cast<std::uint64_t>(value);
}

void expectSameNumber(const nlohmann::json& written, double value, const std::string& what) {
    if (std::isfinite(value)) {
        ASSERT_TRUE(written.is_number()) << what;
        EXPECT_EQ(bits(written.get<double>()), bits(value)) << what;
    } else {
        EXPECT_TRUE(written.is_null()) << what;
    }
}

TEST(ResultsJson, EveryNumberComesBackExactly) {
    GeneratorOptions field;
    field.players = 40;
    field.rounds = 7;
    field.seed = 4;
    field.unratedShare = 0.1;
    field.byeShare = field.forfeitShare = field.absentShare = 0.05;
    field.playersWithoutGames = 2;
    TournamentTable table;
    ASSERT_EQ(readCrosstableLines(table, splitLines(generateCrosstable(field)), 1400), StatusOk);
    const TournamentTable read = table;

    RunRequest request;
    request.inputPath = "open.txt";
    // The last row keeps nobody: every value is negative infinity.
    request.rows = {{Rp}, {Rb}, {Rp, Avg, 1, 1}, {Rb, Avg, 0, 7}};
    request.explain = true;
    RunResult result;
    ASSERT_EQ(analyse(std::move(table), request, {}, result), 0);
    std::ostringstream out;
    writeResultsJson(out, result);
    const nlohmann::json document = nlohmann::json::parse(out.str());

    for (std::size_t m = 0; m < 2; ++m) {
        const nlohmann::json& method = document["methods"][m];
        const MethodOutcome& outcome = result.methods[m];
        EXPECT_EQ(method["iterations"].get<unsigned>(), outcome.iteration.sweeps);
        EXPECT_EQ(method["limit_reached"].get<bool>(), !outcome.iteration.converged);
        expectSameNumber(method["residual"], outcome.residual, "residual");
        expectSameNumber(method["direct_distance"], outcome.directDistance, "distance");
    }
    ASSERT_EQ(document["rows"].size(), 4u);
    ASSERT_EQ(document["players"].size(), read.playerCount());
    int nulls = 0;
    for (std::uint32_t i = 0; i < read.playerCount(); ++i) {
        const nlohmann::json& player = document["players"][i];
        const std::string what = "player " + std::to_string(i + 1);
        EXPECT_EQ(player["name"].get<std::string>(), read.name(i)) << what;
        EXPECT_EQ(player["line"].get<std::uint32_t>(), read.line(i)) << what;
        EXPECT_EQ(bits(player["points"].get<double>()), bits(read.totalPoints(i))) << what;
        EXPECT_EQ(bits(player["rating"].get<double>()), bits(read.rating(i))) << what;
        std::int64_t games = 0;
        for (const nlohmann::json& opponent : player["opponents"]) {
            const auto j = opponent["number"].get<std::uint32_t>() - 1;
            EXPECT_EQ(opponent["games"].get<std::int64_t>(), read.gamesAgainst(i, j)) << what;
            games += opponent["games"].get<std::int64_t>();
        }
        EXPECT_EQ(games, read.gamesPlayed(i)) << what;
        for (std::size_t row = 0; row < result.rows.size(); ++row) {
            expectSameNumber(player["values"][row], result.rows[row].values[i],
                             what + " row " + std::to_string(row + 1));
            nulls += player["values"][row].is_null() ? 1 : 0;
        }
    }
    // The players without games in the first two rows, and everybody in the last.
    EXPECT_EQ(nulls, 2 * 2 + 2 + static_cast<int>(read.playerCount()));

    std::ostringstream page;
    writeResultsHtml(page, result);
    for (const char* outside : {"<script", "src=", "href="})
        EXPECT_EQ(page.str().find(outside), std::string::npos) << outside;
    // The page of a TRF file bears the tournament's name; each breakdown begins with the rounds,
    // colours and results, and a value shows two decimals with all of them under the pointer.
    TournamentTable swiss;
    ASSERT_EQ(readTournament(swiss, RPT_TEST_DATA_DIR "/trf/held_swiss_9.trf", 1400), 0);
    RunResult swissResult;
    request.inputPath = "swiss.trf";
    request.rows = {{Rp}};
    ASSERT_EQ(analyse(std::move(swiss), request, {}, swissResult), 0);
    std::ostringstream swissPage;
    writeResultsHtml(swissPage, swissResult);
    for (const char* part :
         {"<title>FIDE C.07 2023 Tie-Break Exercises</title>", "<th class=\"number\">Rank</th>",
          "<td>Maria (11, 1810)</td><td>white</td><td>&frac12;</td><td>yes</td>",
          "title=\"2184.715636561016\">2184.72</td>", "How these values were computed"})
        EXPECT_NE(swissPage.str().find(part), std::string::npos) << part;
    EXPECT_EQ(escapeHtml("<script>'a' & \"b\"</script>"),
              "&lt;script&gt;&#39;a&#39; &amp; &quot;b&quot;&lt;/script&gt;");
}

}  // namespace
}  // namespace tiebreak
