#pragma once

#include <functional>
#include <string_view>

namespace tiebreak {

// Where a run tells which phase it has entered, on the thread the run works on: the desktop's
// progress window and the command line's lines on a terminal. The answer says whether the run
// goes on: false when the user has cancelled it, and it stops there. Empty: nobody listens.
using PhaseReport = std::function<bool(std::string_view phase)>;

// The phases of a run, in their order.
inline constexpr std::string_view PhaseReading = "Reading the file";
inline constexpr std::string_view PhaseIteratingPerformance = "Iterating recursive performance";
inline constexpr std::string_view PhaseIteratingBucholz = "Iterating recursive Buchholz";
inline constexpr std::string_view PhaseDirectPerformance =
    "Solving the system of recursive performance directly";
inline constexpr std::string_view PhaseDirectBucholz =
    "Solving the system of recursive Buchholz directly";
inline constexpr std::string_view PhaseWriting = "Writing the results";

// Tells phase when somebody listens; false when the run is to stop.
[[nodiscard]] inline bool enterPhase(const PhaseReport& report, std::string_view phase) {
    return !report || report(phase);
}

}  // namespace tiebreak
