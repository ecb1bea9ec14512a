#include "engine/fide/fide_codes.h"

#include <array>
#include <cctype>
#include <optional>
#include <utility>

#include "tournament/memory_guard.h"
#include "tournament/status_codes.h"

namespace tiebreak {

namespace {

// The modifiers, one bit each, in the order labels and error texts list them.
enum ModifierBit : unsigned {
    TakesC1 = 1U << 0,
    TakesC2 = 1U << 1,
    TakesM1 = 1U << 2,
    TakesM2 = 1U << 3,
    TakesL = 1U << 4,
    TakesP = 1U << 5,
    TakesF = 1U << 6,
    TakesR = 1U << 7,
};

constexpr unsigned BuchholzCuts = TakesC1 | TakesC2 | TakesM1 | TakesM2;

struct CodeEntry {
    FideCode code;
    std::string_view name;
    unsigned takes;
    int decimals;
};

// Every code, in the order an unknown code's error lists them.
constexpr std::array<CodeEntry, 22> Codes = {{
    {FidePts, "PTS", 0, 1},
    {FideWin, "WIN", 0, 0},
    {FideWon, "WON", 0, 0},
    {FideBpg, "BPG", 0, 0},
    {FideBwg, "BWG", 0, 0},
    {FideRep, "REP", 0, 0},
    {FideVur, "VUR", 0, 0},
    {FidePs, "PS", TakesC1 | TakesC2, 1},
    {FideStd, "STD", 0, 1},
    {FideTpn, "TPN", TakesR, 0},
    {FideRtng, "RTNG", TakesR, 0},
    {FideBh, "BH", BuchholzCuts | TakesP, 1},
    {FideFb, "FB", BuchholzCuts | TakesP, 1},
    {FideSb, "SB", TakesC1 | TakesC2 | TakesP, 2},
    {FideAob, "AOB", TakesF, 2},
    {FideKs, "KS", TakesL, 1},
    {FideAro, "ARO", BuchholzCuts, 0},
    {FideTpr, "TPR", 0, 0},
    {FidePtp, "PTP", 0, 0},
    {FideApro, "APRO", 0, 0},
    {FideAppo, "APPO", 0, 0},
    {FideDe, "DE", TakesP, 0},
}};

const CodeEntry* entryOf(FideCode code) {
    for (const CodeEntry& entry : Codes) {
        if (entry.code == code) return &entry;
    }
    return nullptr;
}

std::string upper(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return result;
}

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// "/C1, /C2, /M1, /M2, /P": what a code takes, for its error text.
std::string modifierList(unsigned takes) {
    constexpr std::array<std::pair<unsigned, std::string_view>, 8> Names = {{
        {TakesC1, "/C1"},
        {TakesC2, "/C2"},
        {TakesM1, "/M1"},
        {TakesM2, "/M2"},
        {TakesL, "/L+n, /L-n"},
        {TakesP, "/P"},
        {TakesF, "/F"},
        {TakesR, "/R"},
    }};
    std::string list;
    for (const auto& [bit, name] : Names) {
        if ((takes & bit) == 0) continue;
        if (!list.empty()) list += ", ";
        list += name;
    }
    return list;
}

std::string codeList() {
    std::string list;
    for (const CodeEntry& entry : Codes) {
        if (!list.empty()) list += ", ";
        list += entry.name;
    }
    return list;
}

// One modifier in upper case: the bit it needs, or nothing for a text that is no modifier.
struct Modifier {
    unsigned bit = 0;
    int shift = 0;  // the half points of /L+n and /L-n
};

std::optional<Modifier> modifierOf(std::string_view text) {
    constexpr std::array<std::pair<std::string_view, unsigned>, 7> Plain = {{
        {"C1", TakesC1},
        {"C2", TakesC2},
        {"M1", TakesM1},
        {"M2", TakesM2},
        {"P", TakesP},
        {"F", TakesF},
        {"R", TakesR},
    }};
    for (const auto& [name, bit] : Plain) {
        if (text == name) return Modifier{bit, 0};
    }
    // L, a sign ('+' when none is written) and one or two digits.
    if (text.size() < 2 || text[0] != 'L') return std::nullopt;
    std::string_view number = text.substr(1);
    int sign = 1;
    if (number[0] == '+' || number[0] == '-') {
        sign = number[0] == '-' ? -1 : 1;
        number.remove_prefix(1);
    }
    if (number.empty() || number.size() > 2) return std::nullopt;
    int value = 0;
    for (const char c : number) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return Modifier{TakesL, sign * value};
}

bool isCut(unsigned bit) {
    return (bit & BuchholzCuts) != 0;
}

// The error of a modifier the code does not take.
std::string refusedModifier(const CodeEntry& entry, std::string_view modifier) {
    if (entry.takes == 0) return std::string(entry.name) + " takes no modifier";
    return std::string(entry.name) + " does not take /" + std::string(modifier) + "; it takes " +
           modifierList(entry.takes);
}

int refuse(std::string* error, std::string text) {
    if (error != nullptr) *error = std::move(text);
    return StatusInvalidArgument;
}

int parse(std::string_view text, FideTieBreak& out, std::string* error) {
    const std::string written = upper(trimmed(text));
    if (written.empty()) return refuse(error, "no tie-break given");
    const std::string_view all = written;
    const std::size_t slash = all.find('/');
    const std::string_view name = trimmed(all.substr(0, slash));
    const CodeEntry* entry = nullptr;
    for (const CodeEntry& candidate : Codes) {
        if (candidate.name == name) entry = &candidate;
    }
    if (entry == nullptr) {
        return refuse(error, "\"" + std::string(name) +
                                 "\" is not a tie-break code; the codes are " + codeList());
    }
    FideTieBreak result;
    result.code = entry->code;
    unsigned given = 0;
    std::size_t at = slash;
    while (at != std::string_view::npos) {
        const std::size_t next = all.find('/', at + 1);
        const std::string_view token =
            trimmed(all.substr(at + 1, next == std::string_view::npos ? next : next - at - 1));
        at = next;
        if (token.empty()) return refuse(error, "a \"/\" without a modifier after it");
        const std::optional<Modifier> modifier = modifierOf(token);
        if (!modifier || (entry->takes & modifier->bit) == 0) {
            return refuse(error, refusedModifier(*entry, token));
        }
        const bool repeated =
            isCut(modifier->bit) ? (given & BuchholzCuts) != 0 : (given & modifier->bit) != 0;
        if (repeated) {
            return refuse(error,
                          std::string(entry->name) + " takes one " +
                              (isCut(modifier->bit) ? std::string("cut")
                                                    : "/" + std::string(token.substr(0, 1))) +
                              ", not a second /" + std::string(token));
        }
        given |= modifier->bit;
        switch (modifier->bit) {
            case TakesC1:
            case TakesC2:
                result.lowCuts = modifier->bit == TakesC1 ? 1 : 2;
                break;
            case TakesM1:
            case TakesM2:
                result.lowCuts = result.highCuts = modifier->bit == TakesM1 ? 1 : 2;
                break;
            case TakesL:
                result.koyaShift = modifier->shift;
                break;
            case TakesP:
                result.forfeitsAsGames = true;
                break;
            case TakesF:
                result.foreBuchholz = true;
                break;
            case TakesR:
                result.reversed = true;
                break;
        }
    }
    out = result;
    return StatusOk;
}

}  // namespace

int parseFideTieBreak(std::string_view text, FideTieBreak& out, std::string* error) noexcept {
    return guardMemory(StatusNoMemory, [&] { return parse(text, out, error); });
}

bool isValidFideTieBreak(const FideTieBreak& tieBreak) noexcept {
    const CodeEntry* entry = entryOf(tieBreak.code);
    if (entry == nullptr) return false;
    const int low = tieBreak.lowCuts, high = tieBreak.highCuts;
    const bool cutTaken = (low == 0 && high == 0) ||
                          (high == 0 && low == 1 && (entry->takes & TakesC1) != 0) ||
                          (high == 0 && low == 2 && (entry->takes & TakesC2) != 0) ||
                          (high == low && low == 1 && (entry->takes & TakesM1) != 0) ||
                          (high == low && low == 2 && (entry->takes & TakesM2) != 0);
    const auto taken = [&](bool given, unsigned bit) { return !given || (entry->takes & bit); };
    return cutTaken && taken(tieBreak.koyaShift != 0, TakesL) &&
           taken(tieBreak.forfeitsAsGames, TakesP) && taken(tieBreak.foreBuchholz, TakesF) &&
           taken(tieBreak.reversed, TakesR);
}

std::string_view fideCodeName(FideCode code) noexcept {
    const CodeEntry* entry = entryOf(code);
    return entry == nullptr ? std::string_view() : entry->name;
}

std::string fideLabel(const FideTieBreak& tieBreak) {
    std::string label(fideCodeName(tieBreak.code));
    if (tieBreak.highCuts > 0) {
        label += "/M" + std::to_string(tieBreak.highCuts);
    } else if (tieBreak.lowCuts > 0) {
        label += "/C" + std::to_string(tieBreak.lowCuts);
    }
    if (tieBreak.koyaShift != 0) {
        label += tieBreak.koyaShift > 0 ? "/L+" : "/L-";
        label += std::to_string(tieBreak.koyaShift > 0 ? tieBreak.koyaShift : -tieBreak.koyaShift);
    }
    if (tieBreak.forfeitsAsGames) label += "/P";
    if (tieBreak.foreBuchholz) label += "/F";
    if (tieBreak.reversed) label += "/R";
    return label;
}

bool lowerIsBetter(const FideTieBreak& tieBreak) noexcept {
    switch (tieBreak.code) {
        case FideDe:
            return true;
        case FideTpn:
            return !tieBreak.reversed;
        case FideRtng:
            return tieBreak.reversed;
        default:
            return false;
    }
}

int fideDecimals(FideCode code) noexcept {
    const CodeEntry* entry = entryOf(code);
    return entry == nullptr ? 0 : entry->decimals;
}

}  // namespace tiebreak
