#include "app/advanced_rules.h"

#include <array>

namespace tiebreak {

namespace {

// FIDE's tie-breaks as the method lists show them, in the order of their codes.
constexpr std::array<const char*, FideItemCount> FideItemTexts = {
    "PTS (points)",
    "WIN (wins)",
    "WON (games won)",
    "BPG (games with black)",
    "BWG (games won with black)",
    "REP (rounds elected to play)",
    "VUR (voluntary unplayed rounds)",
    "PS (progressive score)",
    "STD (standard points)",
    "TPN (start number)",
    "RTNG (rating)",
    "BH (Buchholz)",
    "FB (Fore Buchholz)",
    "SB (Sonneborn-Berger)",
    "AOB (opponents' Buchholz)",
    "KS (Koya)",
    "ARO (opponents' rating)",
    "TPR (performance rating)",
    "PTP (perfect performance)",
    "APRO (opponents' performance)",
    "APPO (opponents' perfect performance)",
    "DE (direct encounter)",
};

// True when the FIDE tie-break takes cuts, and so the row's counts.
bool takesCuts(FideCode code) noexcept {
    return isValidFideTieBreak(FideTieBreak{code, 1});
}

}  // namespace

std::optional<FideCode> fideCodeOfItem(int methodIndex) noexcept {
    if (methodIndex < ItemFirstFide || methodIndex > ItemLastFide) return std::nullopt;
    return static_cast<FideCode>(FidePts + (methodIndex - ItemFirstFide));
}

std::vector<std::string> methodItemTexts(int row) {
    std::vector<std::string> texts{"Recursive performance", "Recursive Buchholz"};
    if (row > 0) texts.emplace_back("<delete>");
    texts.insert(texts.end(), FideItemTexts.begin(), FideItemTexts.end());
    return texts;
}

int itemAtPlace(int row, int place) noexcept {
    return row == 0 && place >= ItemDelete ? place + 1 : place;
}

int placeOfItem(int row, int item) noexcept {
    return row == 0 && item > ItemDelete ? item - 1 : item;
}

MethodRowState openedRow(int row, int methodIndex, int modificationIndex) noexcept {
    MethodRowState state{methodIndex, modificationIndex, true, false};
    if (row > 0 && methodIndex == NoSelection) state.modificationEnabled = false;
    state.averageEnabled = modificationIndex == ItemRivalsAverage;
    if (const std::optional<FideCode> code = fideCodeOfItem(methodIndex)) {
        state.modificationEnabled = false;
        state.averageEnabled = takesCuts(*code);
    }
    return state;
}

void chooseModification(MethodRowState& state, int index) noexcept {
    state.modificationIndex = index;
    state.averageEnabled = index == ItemRivalsAverage;
}

void chooseMethod(MethodRowState& state, int index) noexcept {
    if (index == ItemDelete) {
        state.methodIndex = NoSelection;
        state.modificationEnabled = false;
        chooseModification(state, NoSelection);
        return;
    }
    state.methodIndex = index;
    if (const std::optional<FideCode> code = fideCodeOfItem(index)) {
        state.modificationEnabled = false;
        state.modificationIndex = ItemNoModification;
        state.averageEnabled = takesCuts(*code);
        return;
    }
    if (!state.modificationEnabled) {
        state.modificationEnabled = true;
        chooseModification(state, ItemNoModification);
    }
}

std::optional<FideTieBreak> rowFideTieBreak(int methodIndex, const std::string& worstText,
                                            const std::string& bestText) noexcept {
    const std::optional<FideCode> code = fideCodeOfItem(methodIndex);
    if (!code) return std::nullopt;
    FideTieBreak tieBreak{*code};
    if (takesCuts(*code)) {
        // The counts are single digits; an empty one is 0.
        const auto count = [](const std::string& text) {
            return text.empty() ? 0 : text.front() - '0';
        };
        tieBreak.lowCuts = count(worstText);
        tieBreak.highCuts = count(bestText);
    }
    return tieBreak;
}

std::optional<std::string> refusedFideRow(const AdvancedDialogValues& values) {
    for (int row = 0; row < MethodRowCount; ++row) {
        const std::optional<FideTieBreak> tieBreak =
            rowFideTieBreak(values.methodIndex[row], values.worstText[row], values.bestText[row]);
        if (!tieBreak || isValidFideTieBreak(*tieBreak)) continue;
        // What the counts may say for this code, each with the cut it gives.
        std::string takes;
        for (int low = 0; low <= 9; ++low) {
            for (int high = 0; high <= low; ++high) {
                const FideTieBreak cut{tieBreak->code, low, high};
                if ((low == 0 && high == 0) || !isValidFideTieBreak(cut)) continue;
                takes += (takes.empty() ? "" : ", ") + fideLabel(cut) + " (# Worst " +
                         std::to_string(low) + ", # Best " + std::to_string(high) + ")";
            }
        }
        return "Method " + std::to_string(row + 1) + ": " +
               std::string(fideCodeName(tieBreak->code)) + " takes no cut of # Worst " +
               std::to_string(tieBreak->lowCuts) + " and # Best " +
               std::to_string(tieBreak->highCuts) + ". It takes " + takes + ", or both 0.";
    }
    return std::nullopt;
}

}  // namespace tiebreak
