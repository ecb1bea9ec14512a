#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "runs/run_result.h"

namespace tiebreak {

// text with the characters that HTML reads as markup (& < > " ') written as references.
[[nodiscard]] std::string escapeHtml(std::string_view text);

// A self-contained page of a finished run computed with its explanations, printable on A4: the
// measures of each method, then the results table in the run's order, each name opening the
// player's breakdown. Every text from the input is escaped. May throw std::bad_alloc.
void writeResultsHtml(std::ostream& out, const RunResult& result);

}  // namespace tiebreak
