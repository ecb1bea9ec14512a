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
    check(!options.run.inputPath.empty() || arguments.size() >= 1);
    check(options.run.eloForUnrated >= 0 && options.run.eloForUnrated <= 9999);
    check(options.run.method[0] == MethodRecursivePerformance ||
          options.run.method[0] == MethodRecursiveBucholz);
    for (int row = 0; row < AdvancedRowCount; ++row) {
        check(options.run.worst[row] >= 0 && options.run.worst[row] <= 9);
        check(options.run.best[row] >= 0 && options.run.best[row] <= 9);
        check((options.run.method[row] == RowUnused) ==
              (options.run.modification[row] == RowUnused));
    }
    return 0;
}
