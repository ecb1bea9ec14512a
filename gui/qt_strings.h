#pragma once

#include <string>
#include <string_view>

#include <QString>

namespace tiebreak {

// The program's strings are 8-bit text in the local encoding, as paths are; Qt's are UTF-16.
[[nodiscard]] QString toQString(std::string_view text);
[[nodiscard]] std::string toStdString(const QString& text);

}  // namespace tiebreak
