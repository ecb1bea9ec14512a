// The results table of the simple run:
//
//   NAME;                         PTS;             RP(MA)(1,0);                RP
//   Lindqvist, Elin;              7.5;  2274.123456789012; 2301.987654321098
//
// The sorting column comes first, then the other computed columns by slot and variant bit.
// Value columns share 43 characters (between 7 and 17 each), with five fewer decimals than
// their width.
#include <algorithm>
#include <fstream>
#include <limits>
#include <utility>

#include "runs/report_row.h"
#include "runs/run_codes.h"
#include "runs/simple_run.h"
#include "runs/text_format.h"
#include "tournament/memory_guard.h"

namespace tiebreak {

namespace {

constexpr const char* SlotLabels[MethodSlotCount] = {"RP", "RP*", "RB", "RB*"};
constexpr const char* VariantMarkers[VariantCount] = {"", "(RA)", "(MA)", "(TA)", "(T)", "(P)"};
constexpr int MaVariantIndex = 2;

struct Column {
    int slot;
    int variant;  // index, the base-2 logarithm of the bit
};

int variantIndex(int bit) {
    int index = 0;
    while (index < VariantCount && (1 << index) != bit)
        ++index;
    return index;
}

std::vector<Column> columnsOf(const SimpleRunOptions& options) {
    const Column sorting{options.sortMethod, variantIndex(options.sortVariant)};
    std::vector<Column> columns{sorting};
    for (int slot = 0; slot < MethodSlotCount; ++slot) {
        for (int variant = 0; variant < VariantCount; ++variant) {
            if ((options.methodVariants[slot] & (1 << variant)) == 0) continue;
            if (slot == sorting.slot && variant == sorting.variant) continue;
            columns.push_back({slot, variant});
        }
    }
    return columns;
}

std::string labelOf(const Column& column, const SimpleRunOptions& options) {
    // Appended piece by piece: g++ 12 warns falsely (-Wrestrict) about "(" + std::string.
    std::string label = SlotLabels[column.slot];
    label += VariantMarkers[column.variant];
    if (column.variant == MaVariantIndex) {
        label += '(';
        label += std::to_string(options.dropWorst);
        label += ',';
        label += std::to_string(options.dropBest);
        label += ')';
    }
    return label;
}

// A column that was not computed (the run stopped early) shows not-a-number values.
double valueOf(const ResultGrid& grid, const Column& column, std::size_t player) {
    const auto& entry = grid[column.slot][column.variant];
    return entry ? (*entry)[player] : std::numeric_limits<double>::quiet_NaN();
}

}  // namespace

int writeSimpleReport(const std::string& outputPath, const TournamentTable& table,
                      const ResultGrid& grid, const SimpleRunOptions& options) {
    std::ofstream out(outputPath, std::ios::trunc);
    if (!out.is_open()) return ErrorCannotOpenFile;
    const int written = guardMemory(ErrorNoMemory, [&] {
        const std::vector<Column> columns = columnsOf(options);
        const std::size_t n = table.playerCount();
        std::vector<double> sortValues(n);
        for (std::size_t i = 0; i < n; ++i)
            sortValues[i] = valueOf(grid, columns[0], i);
        std::vector<ReportRow> rows =
            reportRows(std::vector<double>(table.totalPoints().begin(), table.totalPoints().end()),
                       sortValues);
        if (options.sortRows == 1) sortReportRows(rows);

        const int width = std::clamp(43 / static_cast<int>(columns.size()) - 1, 7, 17);
        const int precision = width - 5;
        if (options.writeHeadings == 1) {
            out << padRight("NAME;", 30) << "PTS";
            for (std::size_t k = 0; k < columns.size(); ++k) {
                out << (k == 0 ? ";  " : "; ")
                    << padLeft(labelOf(columns[k], options), static_cast<std::size_t>(width));
            }
            out << '\n';
        }
        for (const ReportRow& row : rows) {
            const auto player = static_cast<std::uint32_t>(row.player);
            out << padRight(std::string(table.name(player)) + ";", 30) << fixed(row.points, 3, 1);
            for (std::size_t k = 0; k < columns.size(); ++k) {
                out << (k == 0 ? ";  " : "; ")
                    << fixed(valueOf(grid, columns[k], player), width, precision);
            }
            out << '\n';
        }
        return 0;
    });
    if (written != 0) return written;
    out.flush();
    return 0;
}

}  // namespace tiebreak
