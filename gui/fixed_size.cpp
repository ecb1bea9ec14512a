#include "gui/fixed_size.h"

#include <QDialog>
#include <QLayout>

namespace tiebreak {

void keepFixedSize(QDialog& dialog) {
    dialog.layout()->setSizeConstraint(QLayout::SetFixedSize);
    dialog.setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    dialog.setSizeGripEnabled(false);
}

}  // namespace tiebreak
