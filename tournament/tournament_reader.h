#pragma once

#include <string>

#include "tournament/tournament_table.h"

namespace tiebreak {

// The runs' one way to read a tournament: fills an empty table from the file at path, choosing
// the reader by the file's content, not its name. A FIDE Tournament Report File goes to
// readTrfLines, anything else to readCrosstable; the codes and the reasons are theirs ("the file
// cannot be read" when it cannot). reason, when given, must come empty.
[[nodiscard]] int readTournament(TournamentTable& table, const std::string& path, int eloForUnrated,
                                 std::string* reason = nullptr) noexcept;

}  // namespace tiebreak
