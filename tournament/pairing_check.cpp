#include "tournament/pairing_check.h"

#include <algorithm>
#include <numeric>
#include <span>
#include <vector>

#include "tournament/round_result.h"

namespace tiebreak {
namespace {

// A round with an opponent told of the player ("won against") and, from the other line, of his
// opponent ("winning against"). Byes and unpaired rounds take an opponent only in a faulty line.
struct Wording {
    const char* told;
    const char* telling;
};

Wording wordingOf(RoundKind kind) {
    switch (kind) {
        case RoundGameWon:
            return {"won against", "winning against"};
        case RoundGameDrawn:
            return {"drew with", "drawing with"};
        case RoundGameLost:
            return {"lost to", "losing to"};
        case RoundForfeitWon:
            return {"won by forfeit against", "winning by forfeit against"};
        case RoundForfeitLost:
            return {"lost by forfeit to", "losing by forfeit to"};
        case RoundPairingBye:
            return {"had a pairing bye against", "having a pairing bye against"};
        case RoundFullPointBye:
            return {"had a full-point bye against", "having a full-point bye against"};
        case RoundHalfPointBye:
            return {"had a half-point bye against", "having a half-point bye against"};
        case RoundZeroPointBye:
            return {"had a zero-point bye against", "having a zero-point bye against"};
        case RoundNotPaired:
        case RoundNotInRecord:
            return {"was not paired against", "not paired against"};
    }
    return {"met", "meeting"};
}

// True when the opponent's kind of round is the other side of the player's.
bool answers(RoundKind kind, RoundKind other) {
    switch (kind) {
        case RoundGameWon:
            return other == RoundGameLost;
        case RoundGameDrawn:
            return other == RoundGameDrawn;
        case RoundGameLost:
            return other == RoundGameWon;
        case RoundForfeitWon:
            return other == RoundForfeitLost;
        case RoundForfeitLost:
            return other == RoundForfeitWon || other == RoundForfeitLost;
        case RoundPairingBye:
        case RoundFullPointBye:
        case RoundHalfPointBye:
        case RoundZeroPointBye:
        case RoundNotPaired:
        case RoundNotInRecord:
            return false;
    }
    return false;
}

std::string withColour(Colour colour) {
    switch (colour) {
        case ColourWhite:
            return " with white";
        case ColourBlack:
            return " with black";
        case ColourNone:
            return "";
    }
    return "";
}

class Wordings {
public:
    Wordings(const TournamentTable& table, PlayerNumbers numbers)
        : table_(table), numbers_(numbers) {}

    [[nodiscard]] std::string number(std::uint32_t i) const {
        return std::to_string(numbers_ == NumberedByStartNumber ? table_.startNumber(i) : i + 1);
    }
    [[nodiscard]] std::string name(std::uint32_t i) const { return std::string(table_.name(i)); }
    // "87 (Kendrick, Callum)"
    [[nodiscard]] std::string numberAndName(std::uint32_t i) const {
        return number(i) + " (" + name(i) + ")";
    }
    [[nodiscard]] std::string line(std::uint32_t i) const { return std::to_string(table_.line(i)); }

private:
    const TournamentTable& table_;
    PlayerNumbers numbers_;
};

// True when the opponent's line names player i back in the same round with the other side of
// his result and, where both give colours, the other colour.
bool agrees(std::uint32_t i, const RecordedRound& mine, std::span<const RecordedRound> theirs,
            std::size_t r) {
    if (r >= theirs.size() || mine.opponent == static_cast<std::int32_t>(i)) return false;
    const RecordedRound& other = theirs[r];
    const Colour colour = mine.detail.colour;
    return other.opponent == static_cast<std::int32_t>(i) &&
           answers(mine.detail.kind, other.detail.kind) &&
           (colour == ColourNone || colour != other.detail.colour);
}

// Why player i's round r (0-based) and his opponent's do not agree, naming both lines.
std::string disagreement(const Wordings& say, std::uint32_t i, const RecordedRound& mine,
                         std::span<const RecordedRound> theirs, std::size_t r) {
    const auto j = static_cast<std::uint32_t>(mine.opponent);
    const std::string round = std::to_string(r + 1);
    const std::string at = "line " + say.line(i) + ", round " + round + ": " + say.name(i);
    const std::string met = at + " met " + say.numberAndName(j);
    const std::string there = ", but line " + say.line(j) + " has ";
    if (j == i) return met + ", on the same line";
    if (r >= theirs.size()) return met + there + "no round " + round + " for " + say.name(j);
    const RecordedRound& other = theirs[r];
    if (other.opponent != static_cast<std::int32_t>(i)) {
        const std::string against =
            other.opponent == NoOpponent
                ? "without an opponent"
                : "against " + say.number(static_cast<std::uint32_t>(other.opponent));
        return met + there + say.name(j) + " " + against + " in round " + round;
    }
    return at + " " + wordingOf(mine.detail.kind).told + " " + say.numberAndName(j) +
           withColour(mine.detail.colour) + there + say.name(j) + " " +
           wordingOf(other.detail.kind).telling + " " + say.numberAndName(i) +
           withColour(other.detail.colour);
}

}  // namespace

std::optional<Contradiction> firstContradiction(const TournamentTable& table,
                                                PlayerNumbers numbers) {
    // A TRF file's players are indexed by start number; its records may come in any order.
    std::vector<std::uint32_t> fileOrder(table.playerCount());
    std::iota(fileOrder.begin(), fileOrder.end(), 0u);
    std::stable_sort(fileOrder.begin(), fileOrder.end(), [&](std::uint32_t a, std::uint32_t b) {
        return table.line(a) < table.line(b);
    });
    for (const std::uint32_t i : fileOrder) {
        const std::span<const RecordedRound> rounds = table.rounds(i);
        for (std::size_t r = 0; r < rounds.size(); ++r) {
            const RecordedRound& mine = rounds[r];
            if (mine.opponent == NoOpponent) continue;
            const std::span<const RecordedRound> theirs =
                table.rounds(static_cast<std::uint32_t>(mine.opponent));
            if (agrees(i, mine, theirs, r)) continue;
            return Contradiction{table.line(i), static_cast<std::uint32_t>(r + 1),
                                 disagreement(Wordings(table, numbers), i, mine, theirs, r)};
        }
    }
    return std::nullopt;
}

}  // namespace tiebreak
