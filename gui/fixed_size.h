#pragma once

class QDialog;

namespace tiebreak {

// Gives dialog the size its layout asks for, which the user can neither change nor maximise:
// in a larger window the controls would float in empty space.
void keepFixedSize(QDialog& dialog);

}  // namespace tiebreak
