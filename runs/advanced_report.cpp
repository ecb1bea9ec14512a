// The results table of the advanced run:
//
//   NAME;                         PTS;              RP;       RB(A(1-0))
//   Lindqvist, Elin;              7.5;  2274.123456789012; 4.512345678901
//
// One column per used row (17 wide, 12 decimals), row 1 first; the heading's first label has
// one space after its separator where the values have two.
#include <fstream>

#include "engine/engine_codes.h"
#include "runs/advanced_run.h"
#include "runs/report_row.h"
#include "runs/run_codes.h"
#include "runs/text_format.h"
#include "tournament/memory_guard.h"

namespace tiebreak {

std::string rowLabel(const AdvancedRunOptions& options, int row) {
    // Appended piece by piece: g++ 12 warns falsely (-Wrestrict) about "(" + std::string.
    std::string label = options.method[row] == MethodRecursiveBucholz ? "RB" : "RP";
    if (options.modification[row] == ModificationRivalsAverage) {
        label += "(A(";
        label += std::to_string(options.worst[row]);
        label += '-';
        label += std::to_string(options.best[row]);
        label += "))";
    }
    return label;
}

int writeAdvancedReport(const std::string& path, const TournamentTable& table,
                        const std::array<std::vector<double>, AdvancedRowCount>& results,
                        const AdvancedRunOptions& options) {
    std::ofstream out(path, std::ios::trunc);
    if (!out.is_open()) return ErrorCannotOpenFile;
    const int written = guardMemory(ErrorNoMemory, [&] {
        std::vector<ReportRow> rows =
            reportRows(std::vector<double>(table.totalPoints().begin(), table.totalPoints().end()),
                       results[0]);
        if (options.sort != 0) sortReportRows(rows);
        if (options.headings != 0) {
            out << padRight("NAME;", 30) << "PTS";
            for (int row = 0; row < AdvancedRowCount; ++row) {
                if (options.method[row] == RowUnused) continue;
                out << "; " << padLeft(rowLabel(options, row), 17);
            }
            out << '\n' << std::flush;
        }
        for (const ReportRow& record : rows) {
            const auto player = static_cast<std::uint32_t>(record.player);
            out << padRight(std::string(table.name(player)) + ";", 30) << fixed(record.points, 3, 1)
                << ";  " << fixed(record.value, 17, 12);
            for (int row = 1; row < AdvancedRowCount; ++row) {
                if (options.method[row] == RowUnused) continue;
                out << "; " << fixed(results[row][player], 17, 12);
            }
            out << '\n' << std::flush;
        }
        return 0;
    });
    if (written != 0) return written;
    return 0;
}

}  // namespace tiebreak
