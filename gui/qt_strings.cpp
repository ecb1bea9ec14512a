#include "gui/qt_strings.h"

#include <QByteArray>

namespace tiebreak {

QString toQString(std::string_view text) {
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

std::string toStdString(const QString& text) {
    return text.toLocal8Bit().toStdString();
}

}  // namespace tiebreak
