#include "tournament/tournament_table.h"

#include <gtest/gtest.h>

#include "tournament/status_codes.h"

namespace tiebreak {
namespace {

TournamentTable tableOf(std::uint32_t n) {
    TournamentTable table;
    EXPECT_EQ(table.allocate(n), StatusOk);
    return table;
}

TEST(TournamentTable, UnplayedResultAgainstNamedOpponentGivesPointsOnly) {
    TournamentTable table = tableOf(5);
    EXPECT_EQ(table.recordRound(0, 4, ResultUnplayedWin), StatusOk);
    EXPECT_EQ(table.recordRound(0, 4, ResultUnplayedDraw), StatusOk);
    EXPECT_EQ(table.recordRound(0, 4, ResultUnplayedLoss), StatusOk);
    EXPECT_EQ(table.totalPoints(0), 1.5);
    EXPECT_EQ(table.gamePoints(0), 0.0);
    EXPECT_EQ(table.gamesPlayed(0), 0);
    EXPECT_EQ(table.gamesAgainst(0, 4), 0);
    EXPECT_EQ(table.maxGamesPlayed(), 0u);
}

TEST(TournamentTable, PlayedResultsCountGamesAndPoints) {
    TournamentTable table = tableOf(3);
    EXPECT_EQ(table.recordRound(0, 1, ResultWin), StatusOk);
    EXPECT_EQ(table.recordRound(0, 1, ResultDraw), StatusOk);  // double round
    EXPECT_EQ(table.recordRound(0, 2, ResultLoss), StatusOk);
    EXPECT_EQ(table.gamesAgainst(0, 1), 2);
    EXPECT_EQ(table.gamesAgainst(0, 2), 1);
    EXPECT_EQ(table.gamesAgainst(1, 0), 0);  // only the player's own row changes
    EXPECT_EQ(table.gamesPlayed(0), 3);
    EXPECT_EQ(table.gamePoints(0), 1.5);
    EXPECT_EQ(table.totalPoints(0), 1.5);
    EXPECT_EQ(table.maxGamesPlayed(), 3u);
}

TEST(TournamentTable, RejectedRoundsChangeNothingButAValidGame) {
    TournamentTable table = tableOf(3);
    EXPECT_EQ(table.recordRound(0, NoOpponent, ResultWin), StatusInvalidArgument);
    EXPECT_EQ(table.recordRound(0, NoOpponent, ResultDraw), StatusInvalidArgument);
    EXPECT_EQ(table.recordRound(0, NoOpponent, ResultLoss), StatusInvalidArgument);
    EXPECT_EQ(table.recordRound(0, 3, ResultWin), StatusOutOfRange);
    EXPECT_EQ(table.recordRound(3, 0, ResultWin), StatusOutOfRange);
    EXPECT_EQ(table.recordRound(0, -2, ResultWin), StatusInvalidArgument);
    EXPECT_EQ(table.totalPoints(0), 0.0);
    EXPECT_EQ(table.gamesPlayed(0), 0);
    // An unknown result with a valid opponent: positive codes count the game before the check.
    EXPECT_EQ(table.recordRound(0, 1, static_cast<RoundResult>(0)), StatusInvalidArgument);
    EXPECT_EQ(table.gamesPlayed(0), 0);
    EXPECT_EQ(table.recordRound(0, 1, static_cast<RoundResult>(7)), StatusInvalidArgument);
    EXPECT_EQ(table.gamesPlayed(0), 1);
    EXPECT_EQ(table.totalPoints(0), 0.0);
}

TEST(TournamentTable, MaxGamesPlayedFollowsTheMostActivePlayer) {
    TournamentTable table = tableOf(3);
    for (int k = 0; k < 7; ++k)
        static_cast<void>(table.recordRound(1, 0, ResultLoss));
    for (int k = 0; k < 9; ++k)
        static_cast<void>(table.recordRound(0, 1, ResultWin));
    EXPECT_EQ(table.maxGamesPlayed(), 9u);
}

TEST(TournamentTable, NamesAndIndexChecks) {
    TournamentTable empty;
    EXPECT_EQ(empty.setName(0, "A"), StatusInvalidArgument);
    TournamentTable table = tableOf(2);
    EXPECT_EQ(table.setName(2, "C"), StatusOutOfRange);
    EXPECT_EQ(table.setName(1, "B"), StatusOk);
    EXPECT_EQ(table.setName(1, "Bee"), StatusOk);
    EXPECT_EQ(table.name(1), "Bee");
    EXPECT_EQ(table.name(2), "");
    EXPECT_EQ(table.rating(2), -2.0);
    EXPECT_EQ(table.gamesPlayed(2), -2);
    EXPECT_EQ(table.gamesAgainst(0, 2), -2);
    table.setRating(5, 1900);  // ignored
    EXPECT_TRUE(table.gamesAgainstRow(2).empty());
}

TEST(TournamentTable, CopyIsIndependentOfTheSource) {
    auto source = std::make_unique<TournamentTable>(tableOf(2));
    ASSERT_EQ(source->setName(0, "Alice"), StatusOk);
    ASSERT_EQ(source->recordRound(0, 1, ResultWin), StatusOk);
    const TournamentTable copy(*source);
    source->release();
    source.reset();
    EXPECT_EQ(copy.name(0), "Alice");
    EXPECT_EQ(copy.gamesAgainst(0, 1), 1);
    EXPECT_EQ(copy.maxGamesPlayed(), 1u);
}

TEST(TournamentTable, RefusesAFieldWhoseMatrixCannotReallyBeHad) {
    TournamentTable table;
    EXPECT_EQ(table.allocate(TournamentTable::MaxPlayers + 1), StatusNoMemory);
    EXPECT_EQ(table.allocate(3), StatusOk);
    EXPECT_EQ(table.playerCount(), 3u);
}

}  // namespace
}  // namespace tiebreak
