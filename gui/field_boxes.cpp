#include "gui/field_boxes.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>

#include "app/field_rules.h"
#include "gui/qt_strings.h"

namespace tiebreak {

void showRefusal(QWidget& dialog, const QString& text) {
    QMessageBox::warning(&dialog, QApplication::applicationName(), text);
}

bool refuseElo(QWidget& dialog, QLineEdit& eloEdit) {
    if (acceptedElo(toStdString(eloEdit.text()))) return false;
    showRefusal(dialog, toQString(EloRefusedText));
    eloEdit.setFocus();
    eloEdit.selectAll();
    return true;
}

}  // namespace tiebreak
