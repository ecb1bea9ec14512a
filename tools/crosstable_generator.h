#pragma once

#include <cstdint>
#include <string>

namespace tiebreak {

// What a generated tournament looks like. Every played game stands in both players' lines.
struct GeneratorOptions {
    std::uint32_t players = 100;  // 2 to 20,000
    std::uint32_t rounds = 9;     // Swiss rounds (ignored by the round robins)
    std::uint64_t seed = 1;
    double unratedShare = 0.0;  // fraction of players without a rating (rating field "0")
    double byeShare = 0.0;      // fraction of player-rounds taken as byes (full or half point)
    double forfeitShare = 0.0;  // fraction of pairings decided by forfeit
    double absentShare = 0.0;   // fraction of player-rounds not played at all
    std::uint32_t playersWithoutGames = 0;  // players who never play (withdrawn before round 1)
    bool doubleRoundRobin = false;          // every pair meets twice; rounds is ignored
    bool twoGroups = false;                 // two halves that never meet
    bool crlf = false;                      // "\r\n" line ends
    bool withoutRatingColumn = false;       // no "Rtg" header field (ratings in the first field)
};

// The text of a Swiss Manager crosstable export of a tournament made by the options: title lines,
// the header and one line per player. Deterministic for a given seed.
[[nodiscard]] std::string generateCrosstable(const GeneratorOptions& options);

// Writes generateCrosstable(options) to path; false when the file cannot be written.
[[nodiscard]] bool writeCrosstable(const GeneratorOptions& options, const std::string& path);

}  // namespace tiebreak
