#include "app/field_rules.h"

#include <charconv>

#include "app/dialog_values.h"
#include "runs/output_paths.h"

namespace tiebreak {

std::optional<int> acceptedElo(std::string_view text) noexcept {
    if (text.empty() || text.size() > static_cast<std::size_t>(EloTextLength)) return std::nullopt;
    if (text.find_first_not_of("0123456789") != std::string_view::npos) return std::nullopt;
    int elo = 0;
    static_cast<void>(
        std::from_chars(text.data(), text.data() + text.size(), elo));  // 4 digits fit
    if (elo < LowestUnratedElo || elo > HighestUnratedElo) return std::nullopt;
    return elo;
}

std::string webPagePathFor(const std::string& inputPath) {
    std::string path = csvPathFor(inputPath);
    path.resize(path.size() - std::string_view(".csv").size());
    return path + ".html";
}

}  // namespace tiebreak
