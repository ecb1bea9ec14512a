#pragma once

#include <QString>

class QLineEdit;
class QWidget;

namespace tiebreak {

// On OK: when the Elo field holds no rating that the dialogs accept, a box says so, the field is
// selected for typing again, and true comes back; the dialog then stays open.
[[nodiscard]] bool refuseElo(QWidget& dialog, QLineEdit& eloEdit);

// A box of dialog's that refuses its values with text.
void showRefusal(QWidget& dialog, const QString& text);

}  // namespace tiebreak
