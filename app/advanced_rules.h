#pragma once

#include "app/dialog_values.h"

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

// The state of row (0 to 3) when the dialog opens with these selections: a row other than the
// first without a method has its modification list disabled, and a row with "Rivals average"
// selected has its average controls enabled.
[[nodiscard]] MethodRowState openedRow(int row, int methodIndex, int modificationIndex) noexcept;

// The user chose item index of the row's modification list: "Rivals average" enables the average
// controls, anything else disables them.
void chooseModification(MethodRowState& state, int index) noexcept;

// The user chose item index of the method list of one of rows 2 to 4 (row 1's list has no rule).
// "<delete>" empties the row and disables its modification list and average controls. A method
// enables a disabled modification list with "No modification"; an enabled one keeps its
// selection, so switching between the two methods keeps the modification.
void chooseMethod(MethodRowState& state, int index) noexcept;

}  // namespace tiebreak
