#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/portable_random.h"

namespace tiebreak {

// A made-up player: "Surname, First name" and a federation that fits the name.
struct PlayerIdentity {
    std::string name;
    std::string federation;
};

// count made-up players; a name repeats only when the name lists run out (large fields).
[[nodiscard]] std::vector<PlayerIdentity> makeIdentities(std::uint32_t count,
                                                         PortableRandom& random);

}  // namespace tiebreak
