#include "tests/engine/fide_table.h"

#include <gtest/gtest.h>

#include <sstream>

#include "tournament/status_codes.h"

namespace tiebreak {

namespace {

struct Decoded {
    std::int32_t opponent = NoOpponent;
    RoundResult result = ResultUnplayedLoss;
    RoundDetail detail;
};

Decoded decode(const std::string& token) {
    Decoded cell;
    const char first = token[0];
    const std::size_t slash = token.find('/');
    if (slash != std::string::npos)
        cell.detail.colour = token[slash + 1] == 'b' ? ColourBlack : ColourWhite;
    const std::string digits = token.substr(1, slash == std::string::npos ? slash : slash - 1);
    if (!digits.empty()) cell.opponent = std::stoi(digits) - 1;
    switch (first) {
        case 'w':
            cell.result = ResultWin;
            cell.detail.kind = RoundGameWon;
            cell.detail.points = 1.0;
            break;
        case 'd':
            cell.result = ResultDraw;
            cell.detail.kind = RoundGameDrawn;
            cell.detail.points = 0.5;
            break;
        case 'l':
            cell.result = ResultLoss;
            cell.detail.kind = RoundGameLost;
            break;
        case '+':
            cell.result = ResultUnplayedWin;
            cell.detail.kind = RoundForfeitWon;
            cell.detail.points = 1.0;
            break;
        case '-':
            cell.detail.kind = RoundForfeitLost;
            break;
        case 'U':
        case 'F':
            cell.result = ResultUnplayedWin;
            cell.detail.kind = first == 'U' ? RoundPairingBye : RoundFullPointBye;
            cell.detail.points = 1.0;
            break;
        case 'H':
            cell.result = ResultUnplayedDraw;
            cell.detail.kind = RoundHalfPointBye;
            cell.detail.points = 0.5;
            break;
        case 'Z':
            cell.detail.kind = RoundZeroPointBye;
            break;
        default:
            EXPECT_EQ(token, ".") << "not a round";
            break;
    }
    return cell;
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
        for (std::string token; rounds >> token;) {
            const Decoded cell = decode(token);
            EXPECT_EQ(table.recordRound(i, cell.opponent, cell.result, cell.detail), StatusOk)
                << lines[i];
        }
    }
    return table;
}

}  // namespace tiebreak
