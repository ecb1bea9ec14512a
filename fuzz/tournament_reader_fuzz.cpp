// Fuzz target: any bytes as a tournament file, through the same content choice as readTournament
// (without the file system, so that each input costs microseconds).
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "tournament/crosstable_reader.h"
#include "tournament/text_file.h"
#include "tournament/trf_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto lines = tiebreak::splitLines(text);
    tiebreak::TournamentTable table;
    const int status = tiebreak::isTrf(lines) ? tiebreak::readTrfLines(table, lines, 1400)
                                              : tiebreak::readCrosstableLines(table, lines, 1400);
    if (status == 0) {
        // A read table keeps its invariants: games are the lists' sums, the maximum is theirs,
        // and every game is in both players' lists (the readers refuse a file where it is not).
        std::uint32_t most = 0;
        for (std::uint32_t i = 0; i < table.playerCount(); ++i) {
            std::uint64_t sum = 0;
            for (const tiebreak::GamesAgainst& entry : table.opponents(i)) {
                sum += entry.games;
                if (table.gamesAgainst(entry.opponent, i) != entry.games) __builtin_trap();
            }
            if (sum != table.gamesPlayed()[i]) __builtin_trap();
            if (table.gamePoints()[i] > table.totalPoints()[i]) __builtin_trap();
            if (table.gamesPlayed()[i] > most) most = table.gamesPlayed()[i];
        }
        if (most != table.maxGamesPlayed()) __builtin_trap();
    }
    return 0;
}
