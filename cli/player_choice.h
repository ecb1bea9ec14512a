#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "tournament/tournament_table.h"

namespace tiebreak {

// The players a text names: the player on the line of the input file with that number, else
// the player whose name it is, else every player whose name begins with it. Names are compared
// without regard to the case of ASCII letters. One index is a choice; none or several are not (the
// caller lists them).
[[nodiscard]] std::vector<std::uint32_t> playersNamed(const TournamentTable& table,
                                                      std::string_view text);

}  // namespace tiebreak
