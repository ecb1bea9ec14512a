#include "tournament/tournament_table.h"

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
        gamesAgainst_.assign(std::size_t{n} * n, 0);
        rounds_.assign(n, {});
        lines_.assign(n, 0);
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

int TournamentTable::recordRound(std::uint32_t i, std::int32_t opponent,
                                 RoundResult result) noexcept {
    if (i >= playerCount_) return StatusOutOfRange;
    // Every cell keeps its round's place, a refused one too, so that later rounds keep their
    // numbers.
    const bool known = opponent >= 0 && opponent < static_cast<std::int64_t>(playerCount_);
    const int kept = guardMemory(StatusNoMemory, [&] {
        rounds_[i].push_back(
            {known ? opponent : NoOpponent, result, known && static_cast<int>(result) > 0});
        return StatusOk;
    });
    if (failed(kept)) return kept;
    // The opponent is compared as a signed number: NoOpponent and other negatives pass here.
    if (opponent >= static_cast<std::int64_t>(playerCount_)) return StatusOutOfRange;
    if (opponent < 0 && opponent != NoOpponent) return StatusInvalidArgument;
    const bool hasOpponent = opponent >= 0;
    if (hasOpponent && static_cast<int>(result) > 0) {
        ++gamesAgainst_[std::size_t{i} * playerCount_ + static_cast<std::uint32_t>(opponent)];
        if (++gamesPlayed_[i] > maxGamesPlayed_) maxGamesPlayed_ = gamesPlayed_[i];
    }
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
    return gamesAgainst_[std::size_t{i} * playerCount_ + j];
}

std::span<const RecordedRound> TournamentTable::rounds(std::uint32_t i) const noexcept {
    if (i >= playerCount_) return {};
    return rounds_[i];
}

std::span<const std::uint32_t> TournamentTable::gamesAgainstRow(std::uint32_t i) const noexcept {
    if (i >= playerCount_) return {};
    return std::span<const std::uint32_t>(gamesAgainst_)
        .subspan(std::size_t{i} * playerCount_, playerCount_);
}

}  // namespace tiebreak
