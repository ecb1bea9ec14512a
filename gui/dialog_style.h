#pragma once

class QWidget;

namespace tiebreak {

// Draws dialog's group boxes with their titles in the frame's top line, as the Windows program
// does, rather than as a label above a plain frame, which is how the Fusion style draws them.
void frameGroupTitles(QWidget& dialog);

}  // namespace tiebreak
