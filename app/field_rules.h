#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tiebreak {

// The Elo for unrated players that both options dialogs accept: a rating that a player may have.
inline constexpr int LowestUnratedElo = 100;
inline constexpr int HighestUnratedElo = 3000;

// The box a dialog shows when OK finds its "ELO for unrated players" field refused; the dialog
// stays open with the field selected.
inline constexpr std::string_view EloRefusedText =
    "ELO for unrated players: type a rating from 100 to 3000.";

// The Elo that the field's text stands for: one to four digits for a number from LowestUnratedElo
// to HighestUnratedElo. Nothing for an empty field, any other character or a number outside that
// range: the dialog refuses it on OK, so that no run takes such a field as 0.
[[nodiscard]] std::optional<int> acceptedElo(std::string_view text) noexcept;

// The web page that "Web page with each player's breakdown" adds to a run on inputPath: beside
// the .csv, with its name ("open.txt" gives "open.html", "t.csv" gives "t-tiebreaks.html").
[[nodiscard]] std::string webPagePathFor(const std::string& inputPath);

}  // namespace tiebreak
