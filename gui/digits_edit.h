#pragma once

#include <QLineEdit>

namespace tiebreak {

// An edit that takes digits only, at most maxLength of them, sized to show them all.
[[nodiscard]] QLineEdit* newDigitsEdit(int maxLength, const QString& objectName, QWidget* parent);

}  // namespace tiebreak
