#pragma once

#include <cstdint>
#include <string>

namespace tiebreak {

// What a generated tournament looks like. Every played game stands in both players' lines.
// Values out of range are brought into it (players 2 to TournamentTable::MaxPlayers, at least one
// round, shares between 0 and 1).
struct GeneratorOptions {
    std::uint32_t players = 100;  // 2 to TournamentTable::MaxPlayers
    std::uint32_t rounds = 9;     // Swiss rounds (ignored by the round robins)
    std::uint64_t seed = 1;
    double unratedShare = 0.0;  // fraction of players without a rating ("0" or an empty field)
    double byeShare = 0.0;      // fraction of player-rounds taken as requested half-point byes; the
                                // player left over by an odd pairing gets a full-point bye anyway
    double forfeitShare = 0.0;  // fraction of pairings decided by forfeit
    double absentShare = 0.0;   // fraction of player-rounds not played at all (Swiss only)
    std::uint32_t playersWithoutGames = 0;  // players who never play (withdrawn before round 1)
    bool doubleRoundRobin = false;          // every pair meets twice; rounds is ignored
    bool twoGroups = false;                 // two halves that never meet
    // Each round pairs neighbours in the standings (first against second, third against fourth)
    // instead of the top half of each score group against its bottom half: players meet those
    // of about their own strength and score, and the games graph mixes slowly, as in team events.
    bool adjacentPairing = false;
    bool crlf = false;                 // "\r\n" line ends
    bool withoutRatingColumn = false;  // no "Rtg" header field (ratings in the first field)
    bool trf = false;  // a FIDE Tournament Report File of the same tournament instead (its
                       // four columns of points hold up to 99.5)
};

// The text of a Swiss Manager final ranking crosstable of a tournament made by the options:
// two title lines, the header and one line per player in ranking order, round cells naming
// opponents by rank. With `trf`, the same tournament as a FIDE Tournament Report File whose
// start numbers are the ranks, so that both files give the same table. Deterministic for given
// options, on every platform. Empty when memory runs out.
[[nodiscard]] std::string generateCrosstable(const GeneratorOptions& options);

// Writes generateCrosstable(options) to path, byte for byte; false when the file cannot be
// written or the text cannot be made.
[[nodiscard]] bool writeCrosstable(const GeneratorOptions& options, const std::string& path);

}  // namespace tiebreak
