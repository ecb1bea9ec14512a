#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/explained_rows.h"

namespace tiebreak {

// text with the characters that HTML reads as markup (& < > " ') written as references.
[[nodiscard]] std::string escapeHtml(std::string_view text);

// A self-contained page of a finished advanced run, printable on A4: the measures of each
// method, then the results table in the order of the .csv, each name opening the player's
// breakdown. Every text from the input is escaped. False when the stream failed.
[[nodiscard]] bool writeResultsHtml(std::ostream& out, const TournamentTable& table,
                                    const AdvancedRunOptions& options,
                                    const std::vector<ExplainedRow>& rows);

}  // namespace tiebreak
