#include "tournament/tournament_table.h"

#include <algorithm>

#include "tournament/memory_guard.h"
#include "tournament/status_codes.h"

namespace tiebreak {

int TournamentTable::allocate(std::uint32_t n) noexcept {
    if (n > MaxPlayers) return StatusNoMemory;
    // What was created stays owned until release.
    return guardMemory(StatusNoMemory, [&] {
        playerCount_ = n;
        maxGamesPlayed_ = 0;
        names_.assign(n, std::string());
        ratings_.assign(n, 0.0);
        gamePoints_.assign(n, 0.0);
        totalPoints_.assign(n, 0.0);
        gamesPlayed_.assign(n, 0);
        opponents_.assign(n, {});
        rounds_.assign(n, {});
        lines_.assign(n, 0);
        startNumbers_.assign(n, 0);
        unrated_.assign(n, false);
        codePoints_.assign(n, 0.0);
        return StatusOk;
    });
}

int TournamentTable::setName(std::uint32_t i, std::string_view text) noexcept {
    if (playerCount_ == 0) return StatusInvalidArgument;
    if (i >= playerCount_) return StatusOutOfRange;
    return guardMemory(StatusNoMemory, [&] {
        names_[i].assign(text);
        return StatusOk;
    });
}

void TournamentTable::setRating(std::uint32_t i, double value) noexcept {
    if (i < playerCount_) ratings_[i] = value;
}

void TournamentTable::setTotalPoints(std::uint32_t i, double value) noexcept {
    if (i < playerCount_) totalPoints_[i] = value;
}

void TournamentTable::setLine(std::uint32_t i, std::uint32_t line) noexcept {
    if (i < playerCount_) lines_[i] = line;
}

RoundDetail detailOf(RoundResult result, bool hasOpponent) noexcept {
    switch (result) {
        case ResultWin:
            return hasOpponent ? RoundDetail{RoundGameWon, ColourNone, true, 1.0} : RoundDetail{};
        case ResultDraw:
            return hasOpponent ? RoundDetail{RoundGameDrawn, ColourNone, true, 0.5} : RoundDetail{};
        case ResultLoss:
            return hasOpponent ? RoundDetail{RoundGameLost} : RoundDetail{};
        case ResultUnplayedWin:
            return {hasOpponent ? RoundForfeitWon : RoundPairingBye, ColourNone, true, 1.0};
        case ResultUnplayedDraw:
            return {RoundHalfPointBye, ColourNone, true, 0.5};
        case ResultUnplayedLoss:
            return {hasOpponent ? RoundForfeitLost : RoundNotPaired};
    }
    return {};
}

int TournamentTable::recordRound(std::uint32_t i, std::int32_t opponent,
                                 RoundResult result) noexcept {
    const bool known = opponent >= 0 && opponent < static_cast<std::int64_t>(playerCount_);
    return recordRound(i, opponent, result, detailOf(result, known));
}

int TournamentTable::recordRound(std::uint32_t i, std::int32_t opponent, RoundResult result,
                                 const RoundDetail& detail) noexcept {
    if (i >= playerCount_) return StatusOutOfRange;
    // Every cell keeps its round's place, a refused one too, so that later rounds keep their
    // numbers.
    const bool known = opponent >= 0 && opponent < static_cast<std::int64_t>(playerCount_);
    const bool played = known && static_cast<int>(result) > 0;
    const int kept = guardMemory(StatusNoMemory, [&] {
        rounds_[i].push_back({known ? opponent : NoOpponent, result, played, detail});
        if (played) {
            // The list stays in table order, as a scan of the players would meet them.
            std::vector<GamesAgainst>& list = opponents_[i];
            const auto j = static_cast<std::uint32_t>(opponent);
            const auto at = std::lower_bound(
                list.begin(), list.end(), j,
                [](const GamesAgainst& entry, std::uint32_t k) { return entry.opponent < k; });
            if (at != list.end() && at->opponent == j) {
                ++at->games;
            } else {
                list.insert(at, GamesAgainst{j, 1});
            }
        }
        return StatusOk;
    });
    if (failed(kept)) return kept;
    codePoints_[i] += detail.points;
    // The opponent is compared as a signed number: NoOpponent and other negatives pass here.
    if (opponent >= static_cast<std::int64_t>(playerCount_)) return StatusOutOfRange;
    if (opponent < 0 && opponent != NoOpponent) return StatusInvalidArgument;
    const bool hasOpponent = opponent >= 0;
    if (played && ++gamesPlayed_[i] > maxGamesPlayed_) maxGamesPlayed_ = gamesPlayed_[i];
    switch (result) {
        case ResultUnplayedDraw:
            totalPoints_[i] += 0.5;
            return StatusOk;
        case ResultUnplayedLoss:
            return StatusOk;
        case ResultUnplayedWin:
            totalPoints_[i] += 1.0;
            return StatusOk;
        case ResultWin:
            if (!hasOpponent) return StatusInvalidArgument;
            totalPoints_[i] += 1.0;
            gamePoints_[i] += 1.0;
            return StatusOk;
        case ResultLoss:
            return hasOpponent ? StatusOk : StatusInvalidArgument;
        case ResultDraw:
            if (!hasOpponent) return StatusInvalidArgument;
            totalPoints_[i] += 0.5;
            gamePoints_[i] += 0.5;
            return StatusOk;
    }
    return StatusInvalidArgument;
}

void TournamentTable::setStartNumber(std::uint32_t i, std::uint32_t number) noexcept {
    if (i < playerCount_) startNumbers_[i] = number;
}

void TournamentTable::setUnrated(std::uint32_t i) noexcept {
    if (i < playerCount_) unrated_[i] = true;
}

void TournamentTable::setTournamentName(std::string_view name) {
    tournamentName_.assign(name);
}

void TournamentTable::setDeclaredType(DeclaredType type) noexcept {
    declaredType_ = type;
}

void TournamentTable::release() noexcept {
    *this = TournamentTable();
}

namespace {
// What the per-player reads give for an index outside the table.
constexpr int OutsideTable = StatusOutOfRange;
}  // namespace

std::string_view TournamentTable::name(std::uint32_t i) const noexcept {
    return i < playerCount_ ? std::string_view(names_[i]) : std::string_view();
}

double TournamentTable::rating(std::uint32_t i) const noexcept {
    return i < playerCount_ ? ratings_[i] : OutsideTable;
}

std::uint32_t TournamentTable::line(std::uint32_t i) const noexcept {
    return i < playerCount_ ? lines_[i] : 0;
}

double TournamentTable::gamePoints(std::uint32_t i) const noexcept {
    return i < playerCount_ ? gamePoints_[i] : OutsideTable;
}

double TournamentTable::totalPoints(std::uint32_t i) const noexcept {
    return i < playerCount_ ? totalPoints_[i] : OutsideTable;
}

std::int64_t TournamentTable::gamesPlayed(std::uint32_t i) const noexcept {
    return i < playerCount_ ? std::int64_t{gamesPlayed_[i]} : OutsideTable;
}

std::int64_t TournamentTable::gamesAgainst(std::uint32_t i, std::uint32_t j) const noexcept {
    if (i >= playerCount_ || j >= playerCount_) return OutsideTable;
    const std::vector<GamesAgainst>& list = opponents_[i];
    const auto at = std::lower_bound(
        list.begin(), list.end(), j,
        [](const GamesAgainst& entry, std::uint32_t k) { return entry.opponent < k; });
    return at != list.end() && at->opponent == j ? at->games : 0;
}

std::uint32_t TournamentTable::startNumber(std::uint32_t i) const noexcept {
    return i < playerCount_ ? startNumbers_[i] : 0;
}

bool TournamentTable::isUnrated(std::uint32_t i) const noexcept {
    return i < playerCount_ && unrated_[i];
}

double TournamentTable::codePoints(std::uint32_t i) const noexcept {
    return i < playerCount_ ? codePoints_[i] : OutsideTable;
}

std::uint32_t TournamentTable::roundsPlayed() const noexcept {
    std::size_t last = 0;
    for (const std::vector<RecordedRound>& cells : rounds_) {
        for (std::size_t r = cells.size(); r > last; --r) {
            const RoundKind kind = cells[r - 1].detail.kind;
            const bool paired = kind == RoundGameWon || kind == RoundGameDrawn ||
                                kind == RoundGameLost || kind == RoundForfeitWon ||
                                kind == RoundForfeitLost;
            if (paired && cells[r - 1].opponent != NoOpponent) {
                last = r;
                break;
            }
        }
    }
    return static_cast<std::uint32_t>(last);
}

std::span<const RecordedRound> TournamentTable::rounds(std::uint32_t i) const noexcept {
    if (i >= playerCount_) return {};
    return rounds_[i];
}

std::span<const GamesAgainst> TournamentTable::opponents(std::uint32_t i) const noexcept {
    if (i >= playerCount_) return {};
    return opponents_[i];
}

}  // namespace tiebreak
