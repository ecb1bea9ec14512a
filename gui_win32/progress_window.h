#pragma once

#include "app/progress_view.h"

namespace tiebreak {

// The progress of a long run in a small window of its own (template IDD_PROGRESS): the phase, a
// moving bar and Cancel. The window goes when the run has finished or, after Cancel, stopped.
class Win32ProgressView : public ProgressView {
public:
    void waitFor(RunProgress& progress) override;
};

}  // namespace tiebreak
