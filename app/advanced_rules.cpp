#include "app/advanced_rules.h"

namespace tiebreak {

MethodRowState openedRow(int row, int methodIndex, int modificationIndex) noexcept {
    MethodRowState state{methodIndex, modificationIndex, true, false};
    if (row > 0 && methodIndex == NoSelection) state.modificationEnabled = false;
    state.averageEnabled = modificationIndex == ItemRivalsAverage;
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
    if (!state.modificationEnabled) {
        state.modificationEnabled = true;
        chooseModification(state, ItemNoModification);
    }
}

}  // namespace tiebreak
