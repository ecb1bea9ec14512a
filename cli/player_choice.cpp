#include "cli/player_choice.h"

#include <algorithm>
#include <charconv>

#include "runs/explanation_text.h"

namespace tiebreak {

namespace {

char folded(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool startsWith(std::string_view name, std::string_view prefix) {
    return name.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), name.begin(),
                      [](char a, char b) { return folded(a) == folded(b); });
}

}  // namespace

std::vector<std::uint32_t> playersNamed(const TournamentTable& table, std::string_view text) {
    const std::uint32_t n = table.playerCount();
    std::uint32_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (!text.empty() && error == std::errc() && end == text.data() + text.size()) {
        for (std::uint32_t i = 0; i < n; ++i) {
            if (table.line(i) == number) return {i};
        }
        return {};
    }
    std::vector<std::uint32_t> exact;
    std::vector<std::uint32_t> prefixed;
    for (std::uint32_t i = 0; i < n; ++i) {
        const std::string_view name = table.name(i);
        if (!startsWith(name, text)) continue;
        prefixed.push_back(i);
        if (name.size() == text.size()) exact.push_back(i);
    }
    // A full name wins over the longer names it begins: "Lee" is Lee, not also Leeds.
    return exact.empty() ? prefixed : exact;
}

std::optional<std::uint32_t> chooseExplainedPlayer(const TournamentTable& table,
                                                   const std::string& text, std::ostream& err) {
    const std::vector<std::uint32_t> players = playersNamed(table, text);
    if (players.size() == 1) return players.front();
    if (players.empty()) {
        err << "rptiebreaks-cli: no player is named \"" << text
            << "\", nor stands on a line of that number\n";
        return std::nullopt;
    }
    err << "rptiebreaks-cli: \"" << text << "\" names " << players.size() << " players:\n";
    for (const std::uint32_t player : players)
        err << "  " << numberedName(table, player) << '\n';
    err << "Give more of the name, or the number of the player's line in the file.\n";
    return std::nullopt;
}

}  // namespace tiebreak
