#pragma once

#include <cstdint>
#include <optional>
#include <ostream>

#include "cli/cli_options.h"

namespace tiebreak {

// The player --explain names, or nothing after a message on err: no player, or several, whom it
// lists.
[[nodiscard]] std::optional<std::uint32_t> chooseExplainedPlayer(const TournamentTable& table,
                                                                 const std::string& text,
                                                                 std::ostream& err);

// The outputs of --explain (on out), --json and --html ("-" is out) for a finished run.
// CliSuccess, or CliRunFailed after the error text for the output that could not be written.
[[nodiscard]] int writeResultOutputs(const CliOptions& options, const AdvancedRunOptions& run,
                                     const TournamentTable& table, const AdvancedRunResult& result,
                                     std::optional<std::uint32_t> player, Notices& notices,
                                     std::ostream& out);

}  // namespace tiebreak
