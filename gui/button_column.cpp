#include "gui/button_column.h"

#include <algorithm>

#include <QPushButton>
#include <QVBoxLayout>

namespace tiebreak {

QVBoxLayout* newButtonColumn(std::initializer_list<QPushButton*> buttons) {
    int width = 0;
    for (const QPushButton* button : buttons)
        width = std::max(width,
                         button->sizeHint().width() + 2 * button->fontMetrics().averageCharWidth());
    auto* column = new QVBoxLayout;
    for (QPushButton* button : buttons) {
        button->setMinimumWidth(width);
        column->addWidget(button);
    }
    column->addStretch();
    return column;
}

}  // namespace tiebreak
