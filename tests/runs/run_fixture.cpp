#include "tests/runs/run_fixture.h"

#include <cmath>
#include <cstdlib>
#include <sstream>
#include <vector>

namespace tiebreak {

namespace {

const std::filesystem::path DataDir = std::filesystem::path(RPT_TEST_DATA_DIR) / "runs";

// The logged distances between the iterative and the direct solutions: round-off, which any
// change in the order of the additions moves by its own size.
const std::string MeasureLabels[] = {"Error between recursive method and SVD method: ",
                                     "Error between recursive method and SVD decomposition: ",
                                     "Error between recursive method and sparse solver: "};

const std::string DirectSolutionLine = "Singular value decomposition for ";
const std::string ResidualLabel = "Error: ";

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// The label of line k of the stored lines when it holds a measure: a distance, or the simple
// run's residual of a direct solution.
std::string measureLabel(const std::vector<std::string>& lines, std::size_t k) {
    for (const std::string& label : MeasureLabels) {
        if (lines[k].starts_with(label)) return label;
    }
    const bool residual = k > 0 && lines[k - 1].starts_with(DirectSolutionLine);
    return residual && lines[k].starts_with(ResidualLabel) ? ResidualLabel : "";
}

// Line k the same in both, a measure within relative 1e-3, or both below 1e-6 where the stored
// one is.
bool sameLine(const std::vector<std::string>& got, const std::vector<std::string>& want,
              std::size_t k) {
    const std::string label = measureLabel(want, k);
    if (got[k] == want[k] || label.empty() || !got[k].starts_with(label)) return got[k] == want[k];
    const double a = std::strtod(got[k].c_str() + label.size(), nullptr);
    const double e = std::strtod(want[k].c_str() + label.size(), nullptr);
    return std::fabs(e) < 1e-6 ? std::fabs(a) < 1e-6 : std::fabs(a - e) <= 1e-3 * std::fabs(e);
}

// text with the line ends of the stored files ("\n").
std::string withStoredLineEnds(std::string text) {
#ifdef _WIN32
    // Text files end their lines with "\r\n" here; the stored files with "\n".
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at))
        text.erase(at, 1);
#endif
    return text;
}

// The text of expected/name, first rewritten to text under RPT_UPDATE_GOLDEN=1.
std::string storedGolden(const std::string& text, const std::string& name) {
    const std::filesystem::path path = DataDir / "expected" / name;
    const char* update = std::getenv("RPT_UPDATE_GOLDEN");
    if (update != nullptr && std::string(update) == "1") writeText(path, withStoredLineEnds(text));
    return readBytes(path);
}

}  // namespace

RunFixture::RunFixture() : previous_(std::filesystem::current_path()) {
    for (const auto& entry : std::filesystem::directory_iterator(DataDir)) {
        if (entry.is_regular_file())
            std::filesystem::copy_file(entry, dir / entry.path().filename());
    }
    std::filesystem::current_path(dir);
}

RunFixture::~RunFixture() {
    std::filesystem::current_path(previous_);
}

void RunFixture::expectGolden(const std::string& text, const std::string& name) {
    const std::string actual = withStoredLineEnds(text);
    const std::string expected = storedGolden(text, name);
    const std::vector<std::string> a = linesOf(actual);
    const std::vector<std::string> e = linesOf(expected);
    bool same = a.size() == e.size() && actual.ends_with('\n') == expected.ends_with('\n');
    for (std::size_t k = 0; same && k < a.size(); ++k)
        same = sameLine(a, e, k);
    // On a difference, the whole texts, so that the failure shows where.
    if (same) return;
    EXPECT_EQ(actual, expected) << "golden file " << (DataDir / "expected" / name);
}

}  // namespace tiebreak
