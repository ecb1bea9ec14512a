#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "tournament/round_result.h"

namespace tiebreak {

// One round cell of a player's line as the table took it: the opponent (NoOpponent when the cell
// names none, or one beyond the table), the result, whether it counted as a played game, and the
// round's kind, colour and points as the file wrote them.
struct RecordedRound {
    std::int32_t opponent = NoOpponent;
    RoundResult result = ResultUnplayedLoss;
    bool played = false;
    RoundDetail detail;
};

// The games a player's line counts against one opponent.
struct GamesAgainst {
    std::uint32_t opponent = 0;
    std::uint32_t games = 0;
};

// How the file declares the tournament's pairing system (a TRF's 092 record); a crosstable
// declares none.
enum DeclaredType : int {
    DeclaredNone = 0,
    DeclaredSwiss = 1,
    DeclaredRoundRobin = 2,
};

// The read tournament: per player (0-based index in file order) the name, the rating, the points
// and the played games, and against whom, held as one list of opponents a player. Only played
// games with a known opponent link two players; every point counts in totalPoints. Each player's
// line updates only that player's list, so the games are symmetric only when the input is.
class TournamentTable {
public:
    // Largest field that allocate accepts. A player takes some 300 bytes besides his rounds (50
    // bytes each): about 1 GB at this bound with 11 rounds. Linux over-commits memory, so a file
    // of far more players would not be refused for its memory but killed later.
    static constexpr std::uint32_t MaxPlayers = 2000000;

    // Sets playerCount to n and creates zeroed arrays. Called once on an empty table. StatusOk, or
    // StatusNoMemory when n exceeds MaxPlayers or memory runs out.
    [[nodiscard]] int allocate(std::uint32_t n) noexcept;

    // Stores a copy of text as player i's name. StatusInvalidArgument on an empty table,
    // StatusOutOfRange for i >= playerCount, StatusNoMemory when the copy fails.
    [[nodiscard]] int setName(std::uint32_t i, std::string_view text) noexcept;

    // Player i's rating in Elo points; ignored for i >= playerCount.
    void setRating(std::uint32_t i, double value) noexcept;

    // The line of the input file (1 for the first) that holds player i; ignored for i >=
    // playerCount.
    void setLine(std::uint32_t i, std::uint32_t line) noexcept;

    // Adds one round of player i's line: a played result with a known opponent counts a game and
    // links the two; the points go by result. StatusOutOfRange for a player or opponent beyond the
    // table; StatusInvalidArgument for a negative opponent other than NoOpponent, for a played
    // result without an opponent and for an unknown result (a valid played game is counted first).
    // The round's detail is what the result implies (detailOf) unless the reader gives it.
    [[nodiscard]] int recordRound(std::uint32_t i, std::int32_t opponent,
                                  RoundResult result) noexcept;
    [[nodiscard]] int recordRound(std::uint32_t i, std::int32_t opponent, RoundResult result,
                                  const RoundDetail& detail) noexcept;

    // Sets player i's total points to a score given by the file, which counts points without a
    // game that no round shows; ignored for i >= playerCount.
    void setTotalPoints(std::uint32_t i, double value) noexcept;

    // Player i's start number as the file gives it (0: none); ignored for i >= playerCount.
    void setStartNumber(std::uint32_t i, std::uint32_t number) noexcept;

    // Marks player i as unrated: his rating is the one given for unrated players.
    void setUnrated(std::uint32_t i) noexcept;

    // The tournament's name and declared pairing system, where the file gives them.
    void setTournamentName(std::string_view name);
    void setDeclaredType(DeclaredType type) noexcept;

    // Returns the table to the empty state.
    void release() noexcept;

    [[nodiscard]] std::uint32_t playerCount() const noexcept { return playerCount_; }
    // The most games any player played; the runs take it as the number of rounds.
    [[nodiscard]] std::uint32_t maxGamesPlayed() const noexcept { return maxGamesPlayed_; }

    // Per-player reads with the index tested: "" for a name, -2 for a number outside the table.
    [[nodiscard]] std::string_view name(std::uint32_t i) const noexcept;
    [[nodiscard]] double rating(std::uint32_t i) const noexcept;
    // 0 when the table was not read from a file (or for a number outside the table).
    [[nodiscard]] std::uint32_t line(std::uint32_t i) const noexcept;
    [[nodiscard]] double gamePoints(std::uint32_t i) const noexcept;
    [[nodiscard]] double totalPoints(std::uint32_t i) const noexcept;
    [[nodiscard]] std::int64_t gamesPlayed(std::uint32_t i) const noexcept;
    [[nodiscard]] std::int64_t gamesAgainst(std::uint32_t i, std::uint32_t j) const noexcept;
    // 0 when the file gives no start number.
    [[nodiscard]] std::uint32_t startNumber(std::uint32_t i) const noexcept;
    // False too for a number outside the table.
    [[nodiscard]] bool isUnrated(std::uint32_t i) const noexcept;
    // The points of player i's round codes, whatever score his record gives.
    [[nodiscard]] double codePoints(std::uint32_t i) const noexcept;

    [[nodiscard]] const std::string& tournamentName() const noexcept { return tournamentName_; }
    [[nodiscard]] DeclaredType declaredType() const noexcept { return declaredType_; }
    // The rounds really played: the last round in which anybody had an opponent, with a game or
    // a forfeit (0 when nobody had one).
    [[nodiscard]] std::uint32_t roundsPlayed() const noexcept;

    // Whole arrays for the engine's loops, one entry per player in table order.
    [[nodiscard]] std::span<const double> ratings() const noexcept { return ratings_; }
    [[nodiscard]] std::span<const double> gamePoints() const noexcept { return gamePoints_; }
    [[nodiscard]] std::span<const double> totalPoints() const noexcept { return totalPoints_; }
    [[nodiscard]] std::span<const std::uint32_t> gamesPlayed() const noexcept {
        return gamesPlayed_;
    }
    // Player i's opponents in table order, each with the games his line counts against him;
    // empty for i outside the table.
    [[nodiscard]] std::span<const GamesAgainst> opponents(std::uint32_t i) const noexcept;
    // Player i's round cells in the order recordRound received them, round 1 first, refused
    // cells included; empty for i outside the table.
    [[nodiscard]] std::span<const RecordedRound> rounds(std::uint32_t i) const noexcept;

private:
    std::vector<std::string> names_;
    std::uint32_t playerCount_ = 0;
    std::uint32_t maxGamesPlayed_ = 0;
    std::vector<std::uint32_t> gamesPlayed_;
    std::vector<std::vector<GamesAgainst>> opponents_;  // each in table order
    std::vector<double> ratings_;
    std::vector<double> gamePoints_;
    std::vector<double> totalPoints_;
    std::vector<std::vector<RecordedRound>> rounds_;
    std::vector<std::uint32_t> lines_;
    std::vector<std::uint32_t> startNumbers_;
    std::vector<bool> unrated_;
    std::vector<double> codePoints_;
    std::string tournamentName_;
    DeclaredType declaredType_ = DeclaredNone;
};

}  // namespace tiebreak
