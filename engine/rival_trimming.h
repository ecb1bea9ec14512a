#pragma once

namespace tiebreak {

// The order in which a trimmed rivals average sorts a player's entries: ascending, with
// not-a-number values after all others, so that it stays a strict weak ordering whatever the
// values hold.
[[nodiscard]] bool ascendingValue(double a, double b) noexcept;

// The entries, sorted by ascendingValue, that a trimmed rivals average keeps: [low, end). Games
// missed against the most anyone played (rounds) count as worst rivals already taken out; the
// best end is not reduced for them. Nothing is kept when end <= low. A negative number of rivals
// to take out takes out none.
struct TrimmedRange {
    long low = 0;
    long end = 0;
};
[[nodiscard]] TrimmedRange trimmedRange(long entries, long rounds, int dropWorst,
                                        int dropBest) noexcept;

}  // namespace tiebreak
