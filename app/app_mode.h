#pragma once

namespace tiebreak {

// What the mode loop does next. The values are the results with which the dialogs end: 98 and 99
// from the buttons that switch between the two dialogs, 2 from Cancel, passed on unchanged.
enum AppMode : int {
    ModeSimple = 98,
    ModeAdvanced = 99,
    ModeExit = 2,
};

}  // namespace tiebreak
