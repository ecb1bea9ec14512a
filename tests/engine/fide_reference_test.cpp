// FIDE's reference values (tests/data/fide-expected, one table a TRF file of tests/data/trf):
// every column of every row, as the files were read. A plain column is under the 2026 rules
// with unrated players at 1400, "@2024" under the 2024 rules, "@elo1200" with unrated players at
// 1200. DE and DE/P rank within the group tied on points. An empty field (or "null") is a value
// not defined. Values are compared at the decimals FIDE shows.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "engine/fide/fide_tie_break.h"
#include "tournament/tournament_reader.h"

namespace tiebreak {
namespace {

const std::string DataDir = std::string(RPT_TEST_DATA_DIR) + "/";

using Row = std::vector<std::string>;

// The table's rows, an empty field kept as one.
std::vector<Row> readTsv(const std::string& path) {
    std::ifstream in(path);
    std::vector<Row> rows;
    for (std::string line; std::getline(in, line);) {
        rows.emplace_back();
        for (std::size_t at = 0, tab = 0; tab != std::string::npos; at = tab + 1) {
            tab = line.find('\t', at);
            rows.back().push_back(line.substr(at, tab == std::string::npos ? tab : tab - at));
        }
    }
    return rows;
}

// A column's tie-break and how it is computed: "BH/C1", "BH/C1@2024", "TPR@elo1200".
struct Column {
    FideTieBreak tieBreak;
    FideRules rules = FideRules2026;
    bool unratedAt1200 = false;
};

Column columnOf(const std::string& heading) {
    Column column;
    const std::size_t at = heading.find('@');
    const std::string variant = at == std::string::npos ? "" : heading.substr(at + 1);
    EXPECT_TRUE(variant.empty() || variant == "2024" || variant == "elo1200") << heading;
    column.rules = variant == "2024" ? FideRules2024 : FideRules2026;
    column.unratedAt1200 = variant == "elo1200";
    std::string error;
    EXPECT_EQ(parseFideTieBreak(heading.substr(0, at), column.tieBreak, &error), StatusOk) << error;
    return column;
}

// Every player's value of the column; DE within each group of equal points.
std::vector<double> valuesOf(const TournamentTable& table, const Column& column) {
    std::vector<double> out(table.playerCount());
    if (column.tieBreak.code != FideDe) {
        EXPECT_EQ(computeFideTieBreak(table, column.tieBreak, column.rules, out), StatusOk);
        return out;
    }
    std::vector<double> points(table.playerCount());
    EXPECT_EQ(computeFideTieBreak(table, FideTieBreak{FidePts}, column.rules, points), StatusOk);
    std::map<double, std::vector<std::uint32_t>> groups;
    for (std::uint32_t i = 0; i < table.playerCount(); ++i)
        groups[points[i]].push_back(i);
    for (const auto& [score, group] : groups) {
        std::vector<double> places(group.size());
        EXPECT_EQ(directEncounter(table, column.tieBreak, column.rules, group, places), StatusOk);
        for (std::size_t k = 0; k < group.size(); ++k)
            out[group[k]] = places[k];
    }
    return out;
}

// value at decimals, as a whole number of the last decimal; the field likewise.
bool sameAtDecimals(double value, const std::string& field, int decimals) {
    if (field.empty() || field == "null") return std::isnan(value);
    if (std::isnan(value)) return false;
    const double scale = std::pow(10.0, decimals);
    return std::llround(value * scale) == std::llround(std::stod(field) * scale);
}

class FideReference : public testing::TestWithParam<const char*> {};

TEST_P(FideReference, EveryValueEqual) {
    const std::string name = GetParam();
    SCOPED_TRACE(name);
    const std::vector<Row> rows = readTsv(DataDir + "fide-expected/" + name + ".tsv");
    ASSERT_GT(rows.size(), 1U);
    TournamentTable at1400, at1200;
    ASSERT_EQ(readTournament(at1400, DataDir + "trf/" + name + ".trf", 1400), StatusOk);
    ASSERT_EQ(readTournament(at1200, DataDir + "trf/" + name + ".trf", 1200), StatusOk);
    std::map<std::uint32_t, std::uint32_t> playerOf;  // start number to table index
    for (std::uint32_t i = 0; i < at1400.playerCount(); ++i)
        playerOf[at1400.startNumber(i)] = i;
    const Row& headings = rows[0];
    ASSERT_EQ(headings[0], "sno");
    for (std::size_t c = 2; c < headings.size(); ++c) {
        const Column column = columnOf(headings[c]);
        const std::vector<double> values = valuesOf(column.unratedAt1200 ? at1200 : at1400, column);
        for (std::size_t r = 1; r < rows.size(); ++r) {
            ASSERT_EQ(rows[r].size(), headings.size()) << "row " << r;
            const std::uint32_t player = playerOf.at(std::stoul(rows[r][0]));
            EXPECT_TRUE(
                sameAtDecimals(values[player], rows[r][c], fideDecimals(column.tieBreak.code)))
                << headings[c] << " of " << rows[r][1] << " (" << rows[r][0]
                << "): " << values[player] << ", FIDE " << rows[r][c];
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Files, FideReference,
                         testing::Values("held_round_robin", "held_swiss_9",
                                         "swiss_with_many_unplayed_rounds",
                                         "lichess-swiss-2020-05-10-bullet-112p-20r"));

}  // namespace
}  // namespace tiebreak
