#include "gui/dialog_style.h"

#include <QWidget>

namespace tiebreak {

void frameGroupTitles(QWidget& dialog) {
    dialog.setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid palette(mid); border-radius: 3px; margin-top: 0.7em;"
        " padding: 0.5em 0.3em 0.3em 0.3em; }"
        "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
        " left: 0.6em; padding: 0 0.25em; }"));
}

}  // namespace tiebreak
