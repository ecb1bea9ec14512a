#include "tools/crosstable_generator.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <new>
#include <numeric>
#include <string_view>
#include <vector>

#include "tools/tournament_simulation.h"
#include "tournament/utf8.h"

// The export written here, one line per player after the header, ranked by points:
//
//   Rk.;SNo;Name;Rtg;FED;1.Rd.;;;2.Rd.;;;...;Pts.;TB1
//   1;4;Lindqvist, Elin;2214;SWE;17;w;1;-;-;+;...;7.5;45.0
//
// Each round takes three fields: the opponent's rank, the colour ("w" or "b") and the result
// ("1", "x" for a draw, "0"). Rounds without a game put "-" in the colour field, so the reader
// sees the two-character code of the last two fields: "- +" a full point ("-" for the opponent
// on a pairing bye, his rank on a forfeit win), "- x" a requested half-point bye, "- -" nothing
// (absent, or a forfeit loss with the opponent's rank). Unrated players have "0" or an empty
// rating field. Without the rating column the rating moves to the first field ("Elo"), which
// is where the reader looks when no field is called "Rtg". TB1 is the Buchholz (opponents'
// points of the played games).
//
// The TRF form has a title record "012", the number of players "062" and of rounds "XXR", then
// one "001" record per player in ranking order, the rank serving as start number (columns from
// 1): 5-8 start number, 15-47 name, 49-52 rating (blank or 0000 when unrated), 54-56
// federation, 81-84 points, 86-89 rank, and from 92 one block of ten columns per round: the
// opponent's start number (0000 for none), colour ("w", "b", "-") and result ("1", "=", "0" for
// games; "+" and "-" forfeits; "U" a pairing bye, "H" a half-point bye, "Z" absent).

namespace tiebreak {
namespace {

void appendNumber(std::string& text, long long value) {
    char buffer[24];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    text.append(buffer, end);
}

// Points from half points: "7.5", "7.0".
void appendPoints(std::string& text, int halfPoints) {
    appendNumber(text, halfPoints / 2);
    text += halfPoints % 2 == 1 ? ".5" : ".0";
}

int buchholz(const SimulatedTournament& tournament, const SimulatedPlayer& player) {
    int sum = 0;
    for (const RoundCell& cell : player.rounds) {
        if (cell.kind == CellGame) sum += tournament.players[cell.opponent].halfPoints;
    }
    return sum;
}

// Start indices in ranking order: points, Buchholz, rating, start number.
std::vector<std::uint32_t> rankingOrder(const std::vector<SimulatedPlayer>& players,
                                        const std::vector<int>& buchholzes) {
    std::vector<std::uint32_t> order(players.size());
    std::iota(order.begin(), order.end(), 0u);
    std::sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
        if (players[a].halfPoints != players[b].halfPoints) {
            return players[a].halfPoints > players[b].halfPoints;
        }
        if (buchholzes[a] != buchholzes[b]) return buchholzes[a] > buchholzes[b];
        if (players[a].rating != players[b].rating) return players[a].rating > players[b].rating;
        return a < b;
    });
    return order;
}

void appendRating(std::string& text, const SimulatedPlayer& player) {
    if (player.rating != 0) {
        appendNumber(text, player.rating);
    } else if (!player.emptyRating) {
        text += '0';
    }
}

void appendCell(std::string& text, const RoundCell& cell, const std::vector<std::uint32_t>& rank) {
    switch (cell.kind) {
        case CellGame:
            appendNumber(text, rank[cell.opponent]);
            text += cell.white ? ";w;" : ";b;";
            text += cell.halfPoints == 2 ? '1' : cell.halfPoints == 1 ? 'x' : '0';
            return;
        case CellForfeitWin:
            appendNumber(text, rank[cell.opponent]);
            text += ";-;+";
            return;
        case CellForfeitLoss:
            appendNumber(text, rank[cell.opponent]);
            text += ";-;-";
            return;
        case CellPairingBye:
            text += "-;-;+";
            return;
        case CellRequestedBye:
            text += "-;-;x";
            return;
        case CellAbsent:
            text += "-;-;-";
            return;
    }
}

// The finished tournament in ranking order: order[r] is the start index of rank r + 1, and
// rank[i] the rank of start index i.
struct Ranked {
    SimulatedTournament tournament;
    std::vector<int> buchholzes;
    std::vector<std::uint32_t> order;
    std::vector<std::uint32_t> rank;
};

Ranked rankedTournament(const GeneratorOptions& clamped) {
    Ranked ranked{simulateTournament(clamped), {}, {}, {}};
    for (const SimulatedPlayer& player : ranked.tournament.players) {
        ranked.buchholzes.push_back(buchholz(ranked.tournament, player));
    }
    ranked.order = rankingOrder(ranked.tournament.players, ranked.buchholzes);
    ranked.rank.resize(ranked.order.size());
    for (std::size_t r = 0; r < ranked.order.size(); ++r) {
        ranked.rank[ranked.order[r]] = static_cast<std::uint32_t>(r + 1);
    }
    return ranked;
}

// text padded with blanks to width characters, on the left (right-aligned) or on the right. A TRF
// file counts its columns in characters: a UTF-8 name takes as many columns as it has code points.
void appendAligned(std::string& text, std::string_view field, std::size_t width, bool right) {
    const std::size_t length = utf8Length(field).value_or(field.size());
    const std::size_t pad = length < width ? width - length : 0;
    if (right) text.append(pad, ' ');
    text += field;
    if (!right) text.append(pad, ' ');
}

void appendNumberAligned(std::string& text, long long value, std::size_t width) {
    std::string number;
    appendNumber(number, value);
    appendAligned(text, number, width, true);
}

void appendTrfCell(std::string& text, const RoundCell& cell,
                   const std::vector<std::uint32_t>& rank) {
    const bool paired =
        cell.kind == CellGame || cell.kind == CellForfeitWin || cell.kind == CellForfeitLoss;
    if (paired) {
        appendNumberAligned(text, rank[cell.opponent], 4);
    } else {
        text += "0000";
    }
    text += ' ';
    text += cell.kind == CellGame ? (cell.white ? 'w' : 'b') : '-';
    text += ' ';
    switch (cell.kind) {
        case CellGame:
            text += cell.halfPoints == 2 ? '1' : cell.halfPoints == 1 ? '=' : '0';
            break;
        case CellForfeitWin:
            text += '+';
            break;
        case CellForfeitLoss:
            text += '-';
            break;
        case CellPairingBye:
            text += 'U';
            break;
        case CellRequestedBye:
            text += 'H';
            break;
        case CellAbsent:
            text += 'Z';
            break;
    }
}

std::string trfText(const GeneratorOptions& clamped) {
    const Ranked ranked = rankedTournament(clamped);
    const char* const lineEnd = clamped.crlf ? "\r\n" : "\n";
    std::string text = "012 Generated tournament, seed ";
    appendNumber(text, static_cast<long long>(clamped.seed));
    text += lineEnd;
    text += "062 ";
    appendNumber(text, static_cast<long long>(ranked.order.size()));
    text += lineEnd;
    text += "XXR ";
    appendNumber(text, ranked.tournament.rounds);
    text += lineEnd;
    for (std::size_t r = 0; r < ranked.order.size(); ++r) {
        const SimulatedPlayer& player = ranked.tournament.players[ranked.order[r]];
        text += "001 ";
        appendNumberAligned(text, static_cast<long long>(r + 1), 4);
        text += " m    ";
        appendAligned(text, player.name, 33, false);
        text += ' ';
        if (player.rating != 0) {
            appendNumberAligned(text, player.rating, 4);
        } else {
            text += player.emptyRating ? "    " : "0000";
        }
        text += ' ';
        appendAligned(text, player.federation, 3, false);
        text += ' ';
        appendAligned(text, "0", 11, true);  // no FIDE identifier
        text += " 1990/01/01 ";
        std::string points;
        appendPoints(points, player.halfPoints);
        appendAligned(text, points, 4, true);
        text += ' ';
        appendNumberAligned(text, static_cast<long long>(r + 1), 4);
        for (const RoundCell& cell : player.rounds) {
            text += "  ";
            appendTrfCell(text, cell, ranked.rank);
        }
        text += lineEnd;
    }
    return text;
}

std::string crosstableText(const GeneratorOptions& clamped) {
    const Ranked ranked = rankedTournament(clamped);
    const SimulatedTournament& tournament = ranked.tournament;
    const std::vector<int>& buchholzes = ranked.buchholzes;
    const std::vector<std::uint32_t>& order = ranked.order;
    const std::vector<std::uint32_t>& rank = ranked.rank;
    const char* const lineEnd = clamped.crlf ? "\r\n" : "\n";

    std::string text = clamped.doubleRoundRobin ? "Double round robin" : "Swiss open";
    if (clamped.twoGroups) text += " in two groups";
    text += ", seed ";
    appendNumber(text, static_cast<long long>(clamped.seed));
    text += lineEnd;
    text += "Final ranking crosstable after ";
    appendNumber(text, tournament.rounds);
    text += " Rounds";
    text += lineEnd;

    text += clamped.withoutRatingColumn ? "Elo;Rk.;SNo;Name;FED" : "Rk.;SNo;Name;Rtg;FED";
    for (std::uint32_t round = 1; round <= tournament.rounds; ++round) {
        text += ';';
        appendNumber(text, round);
        text += ".Rd.;;";
    }
    text += ";Pts.;TB1";
    text += lineEnd;

    for (std::size_t r = 0; r < order.size(); ++r) {
        const SimulatedPlayer& player = tournament.players[order[r]];
        if (clamped.withoutRatingColumn) {
            appendRating(text, player);
            text += ';';
        }
        appendNumber(text, static_cast<long long>(r + 1));
        text += ';';
        appendNumber(text, order[r] + 1);
        text += ';';
        text += player.name;
        text += ';';
        if (!clamped.withoutRatingColumn) {
            appendRating(text, player);
            text += ';';
        }
        text += player.federation;
        for (const RoundCell& cell : player.rounds) {
            text += ';';
            appendCell(text, cell, rank);
        }
        text += ';';
        appendPoints(text, player.halfPoints);
        text += ';';
        appendPoints(text, buchholzes[order[r]]);
        text += lineEnd;
    }
    return text;
}

}  // namespace

std::string generateCrosstable(const GeneratorOptions& options) {
    try {
        const GeneratorOptions clamped = clampedOptions(options);
        return clamped.trf ? trfText(clamped) : crosstableText(clamped);
    } catch (const std::bad_alloc&) {
        return {};
    }
}

bool writeCrosstable(const GeneratorOptions& options, const std::string& path) {
    const std::string text = generateCrosstable(options);
    if (text.empty()) return false;
    std::ofstream file(path, std::ios::binary);
    file.write(text.data(), static_cast<std::streamsize>(text.size()));
    file.close();
    return !file.fail();
}

}  // namespace tiebreak
