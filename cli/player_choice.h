#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "tournament/tournament_table.h"

namespace tiebreak {

// The players a text names: "line:N" the player on line N of the input file; a number the player
// with that start number (where the file gives none, the player round cells call so); otherwise
// the player whose name it is, else every player whose name begins with it. Names are compared
// without regard to case and to the accents of Latin letters ("dabrowski" is "Dąbrowski"). One
// index is a choice; none or several are not (the caller lists them).
[[nodiscard]] std::vector<std::uint32_t> playersNamed(const TournamentTable& table,
                                                      std::string_view text);

// The player --explain names, or nothing after a message on err: no player, or several, whom it
// lists.
[[nodiscard]] std::optional<std::uint32_t> chooseExplainedPlayer(const TournamentTable& table,
                                                                 const std::string& text,
                                                                 std::ostream& err);

}  // namespace tiebreak
