#pragma once

#include <initializer_list>

class QPushButton;
class QVBoxLayout;

namespace tiebreak {

// The column of push buttons at the right of an options dialog, top-aligned and equally wide,
// with a margin around the longest text so that no text touches its button's edge.
[[nodiscard]] QVBoxLayout* newButtonColumn(std::initializer_list<QPushButton*> buttons);

}  // namespace tiebreak
