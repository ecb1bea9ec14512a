#pragma once

#include <QDialog>

#include "app/progress_view.h"

class QLabel;

namespace tiebreak {

// The small modal window of a long run: the program's name, the phase and a busy indicator. It
// has no close button, and Escape does not close it: it goes when the run ends.
class CProgressWindow : public QDialog {
public:
    CProgressWindow();
    void showPhase(const QString& phase);
    void reject() override {}

private:
    QLabel* phase_;
};

// Waits for a run in an event loop of its own, so that the window repaints; shows the window once
// the run has taken half a second.
class QtProgressView : public ProgressView {
public:
    void waitFor(RunProgress& progress) override;
};

}  // namespace tiebreak
