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
}

TEST(TournamentTable, RefusesAFieldWhoseMatrixCannotReallyBeHad) {
    TournamentTable table;
    EXPECT_EQ(table.allocate(TournamentTable::MaxPlayers + 1), StatusNoMemory);
    EXPECT_EQ(table.allocate(3), StatusOk);
    EXPECT_EQ(table.playerCount(), 3u);
}

}  // namespace
}  // namespace tiebreak
