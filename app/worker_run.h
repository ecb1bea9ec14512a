#pragma once

#include <functional>

#include "app/progress_view.h"
#include "runs/run_progress.h"

namespace tiebreak {

// Runs work on a worker thread, handing it where to tell its phases, while view waits for it on
// this (the user interface) thread; returns when work has returned. Once the user has cancelled
// in the view, every phase work enters answers that the run stops. work must not touch the user
// interface: what it has to tell the user goes through DeferredNotices.
void runWhileWaiting(ProgressView& view, const std::function<void(const PhaseReport&)>& work);

}  // namespace tiebreak
