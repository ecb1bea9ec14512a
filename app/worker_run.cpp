#include "app/worker_run.h"

#include <string>
#include <thread>

namespace tiebreak {

void runWhileWaiting(ProgressView& view, const std::function<void(const PhaseReport&)>& work) {
    RunProgress progress;
    const PhaseReport report = [&progress](std::string_view phase) {
        progress.setPhase(std::string(phase));
        return !progress.cancelled();
    };
    std::thread worker([&] {
        work(report);
        progress.finish();
    });
    view.waitFor(progress);
    worker.join();
}

}  // namespace tiebreak
