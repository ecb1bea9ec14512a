#include "cli/player_choice.h"

#include <charconv>

#include "runs/explanation_text.h"
#include "tournament/utf8.h"

namespace tiebreak {

namespace {

// The base letter of U+00C0 .. U+00FF and of U+0100 .. U+017F (Latin-1 and Latin Extended-A),
// '*' for a sign that is no letter; "ss", "ae", "oe" and "th" are written out apart.
constexpr std::string_view Latin1Letters =
    "aaaaaa*ceeeeiiiidnooooo*ouuuuy**aaaaaa*ceeeeiiiidnooooo*ouuuuy*y";
constexpr std::string_view ExtendedLetters =
    "aaaaaaccccccccddddeeeeeeeeeegggggggghhhhiiiiiiiiiiiijjkkkllllllllllnnnnnnnnnoooooo**rrrrrrss"
    "sssssstttttt"
    "uuuuuuuuuuuuwwyyyzzzzzzs";

// A code point as it is compared: ASCII letters in lower case, Latin letters without their
// accents, everything else as it is.
void appendFolded(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        return;
    }
    switch (c) {
        case 0xC6:
        case 0xE6:
            out += "ae";
            return;
        case 0xDE:
        case 0xFE:
            out += "th";
            return;
        case 0xDF:
            out += "ss";
            return;
        case 0x152:
        case 0x153:
            out += "oe";
            return;
        default:
            break;
    }
    const char letter = c >= 0xC0 && c <= 0xFF     ? Latin1Letters[c - 0xC0]
                        : c >= 0x100 && c <= 0x17F ? ExtendedLetters[c - 0x100]
                                                   : '*';
    if (letter != '*') {
        out += letter;
        return;
    }
    // Kept as UTF-8, so that equal signs compare equal.
    if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
    } else {
        if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        }
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    }
    out += static_cast<char>(0x80 | (c & 0x3F));
}

// text as names are compared: without regard to case and accents. A text that is not UTF-8 is
// read as Latin-1, a byte a character.
std::string folded(std::string_view text) {
    std::string out;
    if (!utf8Length(text)) {
        for (const char c : text)
            appendFolded(out, static_cast<unsigned char>(c));
        return out;
    }
    for (std::size_t k = 0; k < text.size();) {
        const auto lead = static_cast<unsigned char>(text[k]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t j = 1; j < length; ++j)
            c = (c << 6) | (static_cast<unsigned char>(text[k + j]) & 0x3F);
        appendFolded(out, c);
        k += length;
    }
    return out;
}

// The number text holds whole, if it is one.
std::optional<std::uint32_t> wholeNumber(std::string_view text) {
    std::uint32_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return {};
    return number;
}

}  // namespace

std::vector<std::uint32_t> playersNamed(const TournamentTable& table, std::string_view text) {
    const std::uint32_t n = table.playerCount();
    constexpr std::string_view LinePrefix = "line:";
    if (text.starts_with(LinePrefix)) {
        const std::optional<std::uint32_t> line = wholeNumber(text.substr(LinePrefix.size()));
        for (std::uint32_t i = 0; line && i < n; ++i) {
            if (table.line(i) == *line) return {i};
        }
        return {};
    }
    if (const std::optional<std::uint32_t> number = wholeNumber(text)) {
        // Where the file gives no start numbers, a player's number is his place among them.
        bool numbered = false;
        for (std::uint32_t i = 0; i < n; ++i) {
            numbered = numbered || table.startNumber(i) != 0;
            if (table.startNumber(i) == *number) return {i};
        }
        if (!numbered && *number >= 1 && *number <= n) return {*number - 1};
        return {};
    }
    const std::string wanted = folded(text);
    std::vector<std::uint32_t> exact;
    std::vector<std::uint32_t> prefixed;
    for (std::uint32_t i = 0; i < n; ++i) {
        const std::string name = folded(table.name(i));
        if (!name.starts_with(wanted)) continue;
        prefixed.push_back(i);
        if (name.size() == wanted.size()) exact.push_back(i);
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
            << "\" or has that start number (line:N names the player on line N of the file)\n";
        return std::nullopt;
    }
    err << "rptiebreaks-cli: \"" << text << "\" names " << players.size() << " players:\n";
    for (const std::uint32_t player : players)
        err << "  " << numberedName(table, player) << '\n';
    err << "Give more of the name, or the player's start number.\n";
    return std::nullopt;
}

}  // namespace tiebreak
