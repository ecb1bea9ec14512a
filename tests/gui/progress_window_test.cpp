#include "gui/progress_window.h"

#include <atomic>
#include <thread>

#include <QApplication>
#include <QLabel>
#include <QTimer>

#include <gtest/gtest.h>

namespace tiebreak {
namespace {

// The visible progress window, if any.
QWidget* shownProgressWindow() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->objectName() == "progressWindow") return window;
    }
    return nullptr;
}

// A run that goes on until the test has seen its window: the window comes up (modal, with the
// phase) while the user interface waits, and is gone when the wait returns.
TEST(QtProgressView, ShowsALongRunsPhaseUntilItEnds) {
    RunProgress progress;
    progress.setPhase("Cross-check by decomposition");
    std::atomic<bool> seen = false;
    QString phase;
    bool modal = false;
    std::thread run([&] {
        while (!seen)
            std::this_thread::yield();
        progress.finish();
    });
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, [&] {
        if (QWidget* window = shownProgressWindow()) {
            phase = window->findChild<QLabel*>("phaseLabel")->text();
            modal = window->isModal();
            seen = true;
        }
    });
    look.start(100);
    QTimer::singleShot(10000, [&] { seen = true; });  // a window that never comes ends the run
    QtProgressView().waitFor(progress);
    run.join();
    EXPECT_EQ(phase, "Cross-check by decomposition");
    EXPECT_TRUE(modal);
    EXPECT_EQ(shownProgressWindow(), nullptr);
}

}  // namespace
}  // namespace tiebreak
