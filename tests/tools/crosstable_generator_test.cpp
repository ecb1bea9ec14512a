#include "tools/crosstable_generator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <numeric>
#include <ostream>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "tournament/crosstable_reader.h"
#include "tournament/leading_number.h"
#include "tournament/status_codes.h"
#include "tournament/text_file.h"
#include "tournament/trf_reader.h"

namespace tiebreak {
namespace {

// ctest runs the tests of one program in parallel processes: each process names its own files.
const std::string& processTag() {
    static const std::string tag = std::to_string(std::random_device{}());
    return tag;
}

// The reader gives unrated players this rating, which no generated rating has.
constexpr int UnratedMark = -1;

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (;;) {
        const std::size_t end = text.find(separator);
        parts.push_back(text.substr(0, end));
        if (end == std::string_view::npos) return parts;
        text.remove_prefix(end + 1);
    }
}

// A generated crosstable, its text and what readCrosstable made of it.
struct Generated {
    std::string text;
    TournamentTable table;
    std::vector<std::vector<std::string_view>> playerFields;  // split player lines
    std::vector<std::string_view> header;
};

void generate(const GeneratorOptions& options, Generated& out) {
    static int counter = 0;
    const std::string path =
        (std::filesystem::temp_directory_path() /
         ("rpt_generated_" + processTag() + "_" + std::to_string(counter++) + ".txt"))
            .string();
    ASSERT_TRUE(writeCrosstable(options, path));
    out.text = generateCrosstable(options);
    const int status = readCrosstable(out.table, path, UnratedMark);
    std::filesystem::remove(path);
    ASSERT_EQ(status, StatusOk) << "seed " << options.seed;
    std::vector<std::string_view> lines = split(out.text, '\n');
    ASSERT_EQ(lines.back(), "");  // the last line has its line end
    lines.pop_back();
    for (std::string_view& line : lines) {
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    }
    out.header = split(lines[2], ';');
    for (std::size_t i = 3; i < lines.size(); ++i)
        out.playerFields.push_back(split(lines[i], ';'));
}

std::size_t column(const std::vector<std::string_view>& header, std::string_view name) {
    return static_cast<std::size_t>(std::find(header.begin(), header.end(), name) - header.begin());
}

std::vector<std::size_t> roundColumns(const std::vector<std::string_view>& header) {
    std::vector<std::size_t> rounds;
    for (std::size_t c = 0; c < header.size(); ++c) {
        if (header[c].size() >= 5 && header[c].ends_with("Rd.")) rounds.push_back(c);
    }
    return rounds;
}

double sum(std::span<const double> values) {
    return std::accumulate(values.begin(), values.end(), 0.0);
}

std::int64_t games(const TournamentTable& table) {
    const auto played = table.gamesPlayed();
    return std::accumulate(played.begin(), played.end(), std::int64_t{0}) / 2;
}

// What every generated crosstable must satisfy, whatever the options.
void expectConsistent(const Generated& g) {
    const TournamentTable& table = g.table;
    const std::uint32_t n = table.playerCount();
    ASSERT_EQ(g.playerFields.size(), n);
    for (std::uint32_t i = 0; i < n; ++i) {
        EXPECT_EQ(table.gamesAgainst(i, i), 0) << "player " << i;
        for (std::uint32_t j = 0; j < i; ++j) {
            ASSERT_EQ(table.gamesAgainst(i, j), table.gamesAgainst(j, i)) << i << " and " << j;
        }
    }
    // Each game hands out exactly one point between its two players.
    EXPECT_EQ(sum(table.gamePoints()), static_cast<double>(games(table)));

    const std::size_t points = column(g.header, "Pts.");
    const std::vector<std::size_t> rounds = roundColumns(g.header);
    for (std::uint32_t i = 0; i < n; ++i) {
        const auto& fields = g.playerFields[i];
        ASSERT_EQ(fields.size(), g.header.size()) << "player " << i;
        // The printed score is the one the round cells give, and the lines are ranked by it.
        EXPECT_EQ(leadingDouble(fields[points]), table.totalPoints(i)) << "player " << i;
        if (i > 0) {
            EXPECT_GE(table.totalPoints(i - 1), table.totalPoints(i));
        }
        // Every round without a game has "-" for its colour.
        const auto unplayed = std::count_if(rounds.begin(), rounds.end(),
                                            [&](std::size_t c) { return fields[c + 1] == "-"; });
        EXPECT_EQ(table.gamesPlayed(i), static_cast<std::int64_t>(rounds.size()) - unplayed)
            << "player " << i;
    }
}

struct ConsistencyCase {
    const char* name;
    GeneratorOptions options;
};

void PrintTo(const ConsistencyCase& c, std::ostream* os) {
    *os << c.name;
}

GeneratorOptions make(std::uint32_t players, std::uint32_t rounds, std::uint64_t seed) {
    GeneratorOptions options;
    options.players = players;
    options.rounds = rounds;
    options.seed = seed;
    return options;
}

GeneratorOptions everything() {
    GeneratorOptions options = make(75, 9, 7);
    options.unratedShare = 0.1;
    options.byeShare = 0.05;
    options.forfeitShare = 0.05;
    options.absentShare = 0.05;
    options.playersWithoutGames = 2;
    return options;
}

GeneratorOptions withFlags(GeneratorOptions options, bool roundRobin, bool groups, bool crlf) {
    options.doubleRoundRobin = roundRobin;
    options.twoGroups = groups;
    options.crlf = crlf;
    options.withoutRatingColumn = crlf;
    return options;
}

class GeneratedCrosstable : public testing::TestWithParam<ConsistencyCase> {};

TEST_P(GeneratedCrosstable, ReadsBackConsistently) {
    Generated g;
    ASSERT_NO_FATAL_FAILURE(generate(GetParam().options, g));
    expectConsistent(g);
}

INSTANTIATE_TEST_SUITE_P(
    Options, GeneratedCrosstable,
    testing::Values(
        ConsistencyCase{"two_players_one_round", make(2, 1, 1)},
        ConsistencyCase{"odd_field", make(33, 11, 2)}, ConsistencyCase{"everything", everything()},
        ConsistencyCase{"everything_in_two_groups", withFlags(everything(), false, true, false)},
        ConsistencyCase{"double_round_robin_with_forfeits",
                        withFlags(everything(), true, false, false)},
        ConsistencyCase{"crlf_without_rating_column", withFlags(everything(), false, false, true)}),
    [](const testing::TestParamInfo<ConsistencyCase>& param) { return param.param.name; });

TEST(CrosstableGenerator, EvenFieldPlaysEveryRoundWithoutRepeats) {
    // 40 players, 7 rounds, nothing unplayed: 20 games a round, 140 in all, one point each.
    Generated g;
    ASSERT_NO_FATAL_FAILURE(generate(make(40, 7, 3), g));
    EXPECT_EQ(games(g.table), 140);
    EXPECT_EQ(sum(g.table.totalPoints()), 140.0);
    for (std::uint32_t i = 0; i < 40; ++i) {
        EXPECT_EQ(g.table.gamesPlayed(i), 7);
        const auto row = g.table.gamesAgainstRow(i);
        EXPECT_LE(*std::max_element(row.begin(), row.end()), 1u) << "repeat pairing of " << i;
    }
}

TEST(CrosstableGenerator, OddFieldGivesOnePairingByeARound) {
    // 41 players, 7 rounds: 20 games and one full-point bye a round, so 140 games and 147
    // points; nobody has two byes, so 7 players have 6 games and the rest 7.
    Generated g;
    ASSERT_NO_FATAL_FAILURE(generate(make(41, 7, 4), g));
    EXPECT_EQ(games(g.table), 140);
    EXPECT_EQ(sum(g.table.totalPoints()), 147.0);
    const auto played = g.table.gamesPlayed();
    EXPECT_EQ(std::count(played.begin(), played.end(), 6u), 7);
    EXPECT_EQ(std::count(played.begin(), played.end(), 7u), 34);
}

TEST(CrosstableGenerator, ForfeitsGiveOnePointAndNoGame) {
    // 40 players, 9 rounds, all paired: 180 pairings, each a game or a forfeit, each one point.
    GeneratorOptions options = make(40, 9, 5);
    options.forfeitShare = 0.1;
    Generated g;
    ASSERT_NO_FATAL_FAILURE(generate(options, g));
    EXPECT_EQ(sum(g.table.totalPoints()), 180.0);
    const double forfeits = sum(g.table.totalPoints()) - sum(g.table.gamePoints());
    EXPECT_GT(forfeits, 0.0);
    EXPECT_EQ(static_cast<double>(games(g.table)) + forfeits, 180.0);
}

TEST(CrosstableGenerator, UnratedAndWithdrawnPlayers) {
    GeneratorOptions options = make(100, 9, 6);
    options.unratedShare = 0.2;
    options.playersWithoutGames = 3;
    Generated g;
    ASSERT_NO_FATAL_FAILURE(generate(options, g));
    const auto ratings = g.table.ratings();
    EXPECT_EQ(std::count(ratings.begin(), ratings.end(), UnratedMark), 20);
    // Both ways of writing "unrated" occur.
    const std::size_t rating = column(g.header, "Rtg");
    const auto written = [&](std::string_view text) {
        return std::count_if(g.playerFields.begin(), g.playerFields.end(),
                             [&](const auto& fields) { return fields[rating] == text; });
    };
    EXPECT_GT(written("0"), 0);
    EXPECT_GT(written(""), 0);
    // The three who never played score nothing and end the table.
    for (std::uint32_t i = 0; i < 100; ++i)
        EXPECT_EQ(g.table.gamesPlayed(i) == 0, i >= 97) << i;
}

TEST(CrosstableGenerator, DoubleRoundRobinMeetsEveryoneTwice) {
    // 7 players: 7 rounds a cycle (one free each), 14 rounds, 12 games each.
    GeneratorOptions options = make(7, 3, 8);
    options.doubleRoundRobin = true;
    Generated g;
    ASSERT_NO_FATAL_FAILURE(generate(options, g));
    EXPECT_EQ(roundColumns(g.header).size(), 14u);
    for (std::uint32_t i = 0; i < 7; ++i) {
        EXPECT_EQ(g.table.gamesPlayed(i), 12);
        for (std::uint32_t j = 0; j < 7; ++j)
            EXPECT_EQ(g.table.gamesAgainst(i, j), i == j ? 0 : 2);
    }
}

// Sizes of the groups of players linked by games, largest first.
std::vector<std::uint32_t> componentSizes(const TournamentTable& table) {
    const std::uint32_t n = table.playerCount();
    std::vector<std::uint32_t> component(n, n);
    std::vector<std::uint32_t> sizes;
    for (std::uint32_t start = 0; start < n; ++start) {
        if (component[start] != n) continue;
        const auto id = static_cast<std::uint32_t>(sizes.size());
        std::vector<std::uint32_t> stack{start};
        component[start] = id;
        sizes.push_back(0);
        while (!stack.empty()) {
            const std::uint32_t i = stack.back();
            stack.pop_back();
            ++sizes[id];
            for (std::uint32_t j = 0; j < n; ++j) {
                if (table.gamesAgainst(i, j) > 0 && component[j] == n) {
                    component[j] = id;
                    stack.push_back(j);
                }
            }
        }
    }
    std::sort(sizes.rbegin(), sizes.rend());
    return sizes;
}

TEST(CrosstableGenerator, TwoGroupsNeverMeet) {
    GeneratorOptions options = make(61, 9, 9);
    options.twoGroups = true;
    Generated swiss;
    ASSERT_NO_FATAL_FAILURE(generate(options, swiss));
    EXPECT_EQ(componentSizes(swiss.table), (std::vector<std::uint32_t>{31, 30}));
    options.players = 10;
    options.doubleRoundRobin = true;
    Generated roundRobin;
    ASSERT_NO_FATAL_FAILURE(generate(options, roundRobin));
    EXPECT_EQ(componentSizes(roundRobin.table), (std::vector<std::uint32_t>{5, 5}));
    EXPECT_EQ(roundRobin.table.maxGamesPlayed(), 8u);  // 4 opponents, twice
}

TEST(CrosstableGenerator, SameSeedSameTextEverywhere) {
    GeneratorOptions options = everything();
    const std::string text = generateCrosstable(options);
    EXPECT_EQ(generateCrosstable(options), text);
    // FNV-1a of the text, pinned: the Windows build must produce the same bytes.
    std::uint64_t hash = 0xCBF29CE484222325ull;
    for (unsigned char c : text)
        hash = (hash ^ c) * 0x100000001B3ull;
    EXPECT_EQ(hash, 0x2BF6F97756DEEA9Bull) << std::hex << hash;
    options.seed += 1;
    EXPECT_NE(generateCrosstable(options), text);
}

void expectSameTable(const TournamentTable& a, const TournamentTable& b) {
    ASSERT_EQ(a.playerCount(), b.playerCount());
    for (std::uint32_t i = 0; i < a.playerCount(); ++i) {
        EXPECT_EQ(a.name(i), b.name(i));
        EXPECT_EQ(a.rating(i), b.rating(i));
        EXPECT_EQ(a.totalPoints(i), b.totalPoints(i));
        EXPECT_TRUE(std::ranges::equal(a.gamesAgainstRow(i), b.gamesAgainstRow(i))) << i;
    }
}

TEST(CrosstableGenerator, FormatOptionsKeepTheTournament) {
    Generated plain;
    ASSERT_NO_FATAL_FAILURE(generate(everything(), plain));
    Generated other;
    ASSERT_NO_FATAL_FAILURE(generate(withFlags(everything(), false, false, true), other));
    EXPECT_EQ(column(other.header, "Rtg"), other.header.size());
    EXPECT_EQ(std::count(other.text.begin(), other.text.end(), '\n'),
              std::count(other.text.begin(), other.text.end(), '\r'));
    expectSameTable(plain.table, other.table);
}

// The TRF form names players by start number and the crosstable by rank; the generator makes
// them the same, so every byte of the table must agree.
TEST(CrosstableGenerator, TrfFormHoldsTheSameTournament) {
    for (const bool roundRobin : {false, true}) {
        GeneratorOptions options = everything();
        options.doubleRoundRobin = roundRobin;
        if (roundRobin) options.players = 11;  // TRF has four columns for points: up to 99.5
        Generated plain;
        ASSERT_NO_FATAL_FAILURE(generate(options, plain));
        options.trf = true;
        const std::string text = generateCrosstable(options);
        const std::vector<std::string_view> lines = splitLines(text);
        ASSERT_TRUE(isTrf(lines));
        TournamentTable trf;
        ASSERT_EQ(readTrfLines(trf, lines, UnratedMark), StatusOk);
        expectSameTable(plain.table, trf);
        for (std::uint32_t i = 0; i < trf.playerCount(); ++i) {
            EXPECT_EQ(plain.table.gamePoints(i), trf.gamePoints(i)) << i;
        }
    }
}

TEST(CrosstableGenerator, StrongerPlayersScoreMoreAndColoursAlternate) {
    Generated g;
    ASSERT_NO_FATAL_FAILURE(generate(make(200, 9, 10), g));
    // Lines are ranked by points: the top 50 must hold far more of the 50 highest ratings than
    // chance (12.5) would give.
    std::vector<double> ratings(g.table.ratings().begin(), g.table.ratings().end());
    std::vector<double> sorted = ratings;
    std::sort(sorted.rbegin(), sorted.rend());
    const double fiftieth = sorted[49];
    const auto strongOnTop = std::count_if(ratings.begin(), ratings.begin() + 50,
                                           [&](double r) { return r >= fiftieth; });
    EXPECT_GE(strongOnTop, 30);
    // Nearly everybody has as many whites as blacks, give or take one.
    const std::vector<std::size_t> rounds = roundColumns(g.header);
    int balanced = 0;
    for (const auto& fields : g.playerFields) {
        int balance = 0;
        for (std::size_t c : rounds)
            balance += fields[c + 1] == "w" ? 1 : fields[c + 1] == "b" ? -1 : 0;
        balanced += balance >= -1 && balance <= 1;
    }
    EXPECT_GE(balanced, 190);
}

}  // namespace
}  // namespace tiebreak
