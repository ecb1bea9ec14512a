// Fuzz target: any bytes as a command line (arguments separated by NUL bytes). The parser either
// refuses with a status and a message or hands the run options it can carry out.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "engine/engine_codes.h"

namespace {

void check(bool condition) {
    if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tiebreak;
    std::vector<std::string> arguments(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            arguments.emplace_back();
        } else {
            arguments.back() += static_cast<char>(data[i]);
        }
    }
    CliOptions options;
    std::ostringstream out;
    std::ostringstream err;
    const auto status = parseCommandLine(arguments, options, out, err);
    if (status) {
        check(*status == CliSuccess || *status == CliUsageError);
        check(*status == CliSuccess ? err.str().empty() : !err.str().empty());
        return 0;
    }
    const RunRequest& request = options.request;
    check(!request.inputPath.empty() || arguments.size() >= 1);
    check(request.eloForUnrated >= 0 && request.eloForUnrated <= 9999);
    check(!request.rows.empty());
    for (const TieBreakRow& row : request.rows) {
        check(row.method == MethodRecursivePerformance || row.method == MethodRecursiveBucholz);
        check(row.worst >= 0 && row.worst <= 9 && row.best >= 0 && row.best <= 9);
    }
    check(!options.explain || !options.explain->empty());
    return 0;
}
