#pragma once

#include <functional>

#include <QString>
#include <QWidget>

#include <gtest/gtest.h>

namespace tiebreak {

// Runs act on the next modal window as soon as it is shown, so that a test can drive a dialog
// whose exec() it is about to call.
void whenModal(std::function<void(QWidget*)> act);

// The child widget of that name and type; fails the test when there is none.
template <typename Widget>
Widget* child(const QWidget* parent, const char* name) {
    auto* found = parent->findChild<Widget*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// Every text that labels, buttons and group boxes of window show, sorted.
[[nodiscard]] QStringList shownTexts(const QWidget& window);

}  // namespace tiebreak
