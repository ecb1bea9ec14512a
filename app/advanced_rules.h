#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/dialog_values.h"
#include "engine/fide/fide_codes.h"

namespace tiebreak {

// One method row of the advanced dialog: its two list selections and which of its controls are
// enabled. The average controls are the "Calculate average taking out..." label, the two count
// labels and the two count edits. Disabling a control never changes its value.
struct MethodRowState {
    int methodIndex = NoSelection;
    int modificationIndex = NoSelection;
    bool modificationEnabled = false;
    bool averageEnabled = false;
};

// The FIDE tie-break of a method list's item; nothing for the recursive methods and "<delete>".
[[nodiscard]] std::optional<FideCode> fideCodeOfItem(int methodIndex) noexcept;

// The texts of row's method list, in their order, and the item at a place of it and back: row 1
// has no "<delete>".
[[nodiscard]] std::vector<std::string> methodItemTexts(int row);
[[nodiscard]] int itemAtPlace(int row, int place) noexcept;
[[nodiscard]] int placeOfItem(int row, int item) noexcept;

// The state of row (0 to 3) when the dialog opens with these selections: a row other than the
// first without a method has its modification list disabled, and a row with "Rivals average"
// selected has its average controls enabled. A FIDE tie-break disables the modification list;
// its count controls are enabled when it takes cuts (# Worst low cuts, # Best high cuts).
[[nodiscard]] MethodRowState openedRow(int row, int methodIndex, int modificationIndex) noexcept;

// The user chose item index of the row's modification list: "Rivals average" enables the average
// controls, anything else disables them.
void chooseModification(MethodRowState& state, int index) noexcept;

// The user chose item index of a row's method list. "<delete>" (rows 2 to 4) empties the row and
// disables its modification list and average controls. A FIDE tie-break disables the
// modification list, keeping "No modification", and enables the count controls when it takes
// cuts. A recursive method enables a disabled modification list with "No modification"; an
// enabled one keeps its selection, so switching between the two methods keeps the modification.
void chooseMethod(MethodRowState& state, int index) noexcept;

// The FIDE tie-break a row stands for, its cuts from the counts; nothing for another row.
[[nodiscard]] std::optional<FideTieBreak> rowFideTieBreak(int methodIndex,
                                                          const std::string& worstText,
                                                          const std::string& bestText) noexcept;

// Why OK cannot take values' FIDE rows: the first row whose counts its tie-break does not take,
// named with what it takes; nothing when every row is fine.
[[nodiscard]] std::optional<std::string> refusedFideRow(const AdvancedDialogValues& values);

}  // namespace tiebreak
