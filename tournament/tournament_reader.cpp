#include "tournament/tournament_reader.h"

#include <string_view>
#include <vector>

#include "tournament/crosstable_reader.h"
#include "tournament/status_codes.h"
#include "tournament/text_file.h"
#include "tournament/trf_reader.h"

namespace tiebreak {

int readTournament(TournamentTable& table, const std::string& path, int eloForUnrated,
                   std::string* reason) noexcept {
    const int status = parseFileLines(path, [&](const std::vector<std::string_view>& lines) {
        return isTrf(lines) ? readTrfLines(table, lines, eloForUnrated, reason)
                            : readCrosstableLines(table, lines, eloForUnrated, reason);
    });
    if (status == ErrorCannotOpenFile && reason != nullptr && reason->empty()) {
        *reason = "the file cannot be read";
    }
    return status;
}

}  // namespace tiebreak
