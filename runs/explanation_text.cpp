// One player's breakdown, for example:
//
//   RP: recursive performance, 2283.318254153160
//     round  opponent                                  RP value  games
//         1  33 Pham, Linh                    2046.215005826338      1
//         9  not counted: full point without a game (bye)
//     mean of the opponents' values, weighted by games      2160.478918225380
//     ...
#include "runs/explanation_text.h"

#include <algorithm>

#include "runs/error_messages.h"
#include "runs/fide_explanation_text.h"
#include "runs/text_format.h"

namespace tiebreak {

namespace {

constexpr std::size_t LabelWidth = 58;
constexpr std::size_t OpponentWidth = 32;

std::string number(double value) {
    return fixed(value, 17, 12);
}

void line(std::ostream& out, const std::string& label, const std::string& value) {
    out << "  " << padRight(label, LabelWidth) << ' ' << value << '\n';
}

std::string methodValueName(const ResultRow& row) {
    return row.row.method == MethodRecursiveBucholz ? "RB" : "RP";
}

void writeRounds(std::ostream& out, const TournamentTable& table, const ResultRow& row,
                 const ValueExplanation& e) {
    out << "  round  " << padRight("opponent", OpponentWidth)
        << padLeft(methodValueName(row) + " value", 17) << "  games\n";
    for (const ExplainedRound& round : e.rounds) {
        out << padLeft(std::to_string(round.round), 7) << "  ";
        if (!round.cell.played) {
            out << "not counted: " << unplayedReason(round.cell) << '\n';
            continue;
        }
        const auto opponent = static_cast<std::uint32_t>(round.cell.opponent);
        out << padRight(numberedName(table, opponent), OpponentWidth) << number(round.opponentValue)
            << padLeft(std::to_string(round.gamesAgainst), 7) << '\n';
    }
}

void writeScoreTerm(std::ostream& out, const ResultRow& row, const ValueExplanation& e) {
    out << "  percentage score: " << fixed(e.points, 0, 1) << " points from " << e.games
        << " games = " << fixed(e.percentage, 0, 2) << " %\n";
    if (row.row.method == MethodRecursiveBucholz) {
        line(out, "+ score fraction (points / games)", number(e.scoreTerm));
        line(out, "- centring constant (games-weighted mean of all fractions)", number(e.centring));
    } else {
        line(out, "+ conversion-table entry for " + std::to_string(e.wholePercentage) + " %",
             number(e.scoreTerm));
        line(out, "- centring constant (games-weighted mean of all entries)", number(e.centring));
    }
}

void writeMethodBreakdown(std::ostream& out, const TournamentTable& table, const ResultRow& row,
                          const MethodOutcome& outcome, const ValueExplanation& e) {
    writeRounds(out, table, row, e);
    if (e.games == 0) {
        out << "  no game played: no value\n";
        return;
    }
    line(out, "mean of the opponents' values, weighted by games", number(e.opponentsMean));
    writeScoreTerm(out, row, e);
    line(out, "= sum", number(e.sum));
    line(out, "the player's " + methodValueName(row) + " value", number(e.value));
    out << "  difference (sum - value): " << general(e.difference, 3)
        << "; the iteration's tolerance: " << general(IterationTolerance, 3) << '\n';
    if (!outcome.iteration.converged) {
        out << "  the iteration stopped at its limit of " << IterationLimit << " sweeps\n";
    }
}

void writeEntries(std::ostream& out, const TournamentTable& table, const std::string& title,
                  const RivalsExplanation& r, long begin, long end) {
    out << "  " << title << ':';
    if (begin >= end) out << " none";
    out << '\n';
    for (long k = begin; k < end; ++k) {
        const RivalEntry& entry = r.entries[static_cast<std::size_t>(k)];
        out << "         " << padRight(numberedName(table, entry.player), OpponentWidth)
            << number(entry.value) << '\n';
    }
}

void writeRivals(std::ostream& out, const TournamentTable& table, const ResultRow& row,
                 const RivalsExplanation& r) {
    out << "  rivals average: the " << methodValueName(row)
        << " values of the opponents, one per game, without the " << row.row.worst << " worst and "
        << row.row.best << " best\n";
    const long size = static_cast<long>(r.entries.size());
    // Missed games stand for worst rivals, as many of them as the row takes out.
    if (const long missed = std::min<long>(r.missedGames, row.row.worst); missed > 0) {
        out << "  " << missed
            << " game(s) fewer than the most anyone played count as worst rivals taken out\n";
    }
    writeEntries(out, table, "taken out as worst", r, 0, std::min(r.low, size));
    writeEntries(out, table, "taken out as best", r, std::max(r.end, r.low), size);
    const long kept = r.end - r.low;
    if (kept <= 0) {
        out << "  nothing is left: no value\n";
        return;
    }
    line(out, "mean of the remaining " + std::to_string(kept), number(r.mean));
}

}  // namespace

std::string unplayedReason(const RecordedRound& cell) {
    const bool opponent = cell.opponent != NoOpponent;
    switch (cell.result) {
        case ResultUnplayedWin:
            return opponent ? "won by forfeit, no game played" : "full point without a game (bye)";
        case ResultUnplayedLoss:
            return opponent ? "lost by forfeit, no game played"
                            : "no game (absent, not paired or an unreadable cell)";
        case ResultUnplayedDraw:
            return opponent ? "half point without a game" : "half-point bye";
        case ResultWin:
        case ResultLoss:
        case ResultDraw:
            break;
    }
    return "a result without an opponent in the crosstable";
}

std::string numberedName(const TournamentTable& table, std::uint32_t player) {
    const std::uint32_t start = table.startNumber(player);
    return std::to_string(start != 0 ? start : player + 1) + " " + std::string(table.name(player));
}

void writeExplanation(std::ostream& out, const RunResult& result, std::uint32_t player) {
    const TournamentTable& table = result.tournament;
    out << numberedName(table, player) << " (line " << table.line(player)
        << "): " << fixed(table.totalPoints(player), 0, 1) << " points, "
        << table.gamesPlayed(player) << " games played\n";
    for (const ResultRow& row : result.rows) {
        const double value = row.values[player];
        out << '\n';
        if (row.row.fide) {
            writeFideBreakdown(out, table, *row.row.fide, result.request.fideRules,
                               row.breakdowns[player], value);
            continue;
        }
        const bool rivals = row.row.modification == ModificationRivalsAverage;
        const MethodOutcome& outcome = *result.outcomeOf(row.row.method);
        out << row.label << ": " << methodText(row.row.method) << (rivals ? ", rivals average" : "")
            << ", " << (hasValue(value) ? fixed(value, 0, 12) : "no value") << '\n';
        writeMethodBreakdown(out, table, row, outcome, outcome.explanations[player]);
        if (rivals) writeRivals(out, table, row, row.rivals[player]);
    }
}

}  // namespace tiebreak
