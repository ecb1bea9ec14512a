#pragma once

#include <QDialog>

#include "app/progress_view.h"

class QLabel;
class QPushButton;

namespace tiebreak {

// The small modal window of a long run: the program's name, the phase, a busy indicator and
// Cancel. Cancel, Escape and closing the window cancel progress; the window stays, saying so,
// until the run has stopped.
class CProgressWindow : public QDialog {
public:
    explicit CProgressWindow(RunProgress& progress);
    void showPhase(const QString& phase);
    void reject() override;

private:
    RunProgress& progress_;
    QLabel* phase_;
    QPushButton* cancel_;
};

// Waits for a run in an event loop of its own, so that the window repaints; shows the window once
// the run has taken half a second.
class QtProgressView : public ProgressView {
public:
    void waitFor(RunProgress& progress) override;
};

}  // namespace tiebreak
