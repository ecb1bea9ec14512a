#include "tests/engine/fide_table.h"

#include <gtest/gtest.h>

#include <sstream>

#include "tournament/status_codes.h"

namespace tiebreak {

namespace {

struct Letter {
    char letter;
    RoundResult result;
    RoundKind kind;
    double points;
};

constexpr Letter Letters[] = {
    {'w', ResultWin, RoundGameWon, 1.0},
    {'d', ResultDraw, RoundGameDrawn, 0.5},
    {'l', ResultLoss, RoundGameLost, 0.0},
    {'+', ResultUnplayedWin, RoundForfeitWon, 1.0},
    {'-', ResultUnplayedLoss, RoundForfeitLost, 0.0},
    {'U', ResultUnplayedWin, RoundPairingBye, 1.0},
    {'F', ResultUnplayedWin, RoundFullPointBye, 1.0},
    {'H', ResultUnplayedDraw, RoundHalfPointBye, 0.5},
    {'Z', ResultUnplayedLoss, RoundZeroPointBye, 0.0},
    {'.', ResultUnplayedLoss, RoundNotPaired, 0.0},
};

void recordToken(TournamentTable& table, std::uint32_t i, const std::string& token) {
    const Letter* letter = nullptr;
    for (const Letter& candidate : Letters) {
        if (candidate.letter == token[0]) letter = &candidate;
    }
    ASSERT_NE(letter, nullptr) << "not a round: " << token;
    RoundDetail detail{letter->kind, ColourNone, true, letter->points};
    const std::size_t slash = token.find('/');
    if (slash != std::string::npos)
        detail.colour = token[slash + 1] == 'b' ? ColourBlack : ColourWhite;
    const std::string digits = token.substr(1, slash == std::string::npos ? slash : slash - 1);
    const std::int32_t opponent = digits.empty() ? NoOpponent : std::stoi(digits) - 1;
    EXPECT_EQ(table.recordRound(i, opponent, letter->result, detail), StatusOk) << token;
}

}  // namespace

TournamentTable fideTable(const std::vector<std::string>& lines, DeclaredType type) {
    TournamentTable table;
    EXPECT_EQ(table.allocate(static_cast<std::uint32_t>(lines.size())), StatusOk);
    table.setDeclaredType(type);
    for (std::uint32_t i = 0; i < lines.size(); ++i) {
        const std::size_t colon = lines[i].find(':');
        EXPECT_NE(colon, std::string::npos) << lines[i];
        EXPECT_EQ(table.setName(i, "P" + std::to_string(i + 1)), StatusOk);
        table.setStartNumber(i, i + 1);
        table.setRating(i, std::stod(lines[i].substr(0, colon)));
        std::istringstream rounds(lines[i].substr(colon + 1));
        for (std::string token; rounds >> token;)
            recordToken(table, i, token);
    }
    return table;
}

}  // namespace tiebreak
