#pragma once

#include "app/progress_view.h"

namespace tiebreak {

// The progress of a long run in a small window of its own (template IDD_PROGRESS): the phase and
// a moving bar. The window cannot be closed; it goes when the run has finished.
class Win32ProgressView : public ProgressView {
public:
    void waitFor(RunProgress& progress) override;
};

}  // namespace tiebreak
