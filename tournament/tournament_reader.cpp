#include "tournament/tournament_reader.h"

#include <string_view>
#include <vector>

#include "tournament/crosstable_reader.h"
#include "tournament/text_file.h"
#include "tournament/trf_reader.h"

namespace tiebreak {

int readTournament(TournamentTable& table, const std::string& path, int eloForUnrated) noexcept {
    return parseFileLines(path, [&](const std::vector<std::string_view>& lines) {
        return isTrf(lines) ? readTrfLines(table, lines, eloForUnrated)
                            : readCrosstableLines(table, lines, eloForUnrated);
    });
}

}  // namespace tiebreak
