// Fuzz target: any bytes as rp.log, read back as both header forms. Whatever the file holds, the
// values handed to the dialogs stay values the dialogs can show.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "app/settings_log.h"

namespace {

bool digitsOnly(const std::string& text, std::size_t longest) {
    if (text.size() > longest) return false;
    for (const char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

void check(bool condition) {
    if (!condition) __builtin_trap();
}

// One file per fuzzing process, rewritten for each input, in memory where the system offers it.
const std::string& scratchPath() {
    static const std::string path = (access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") +
                                    std::string("/settings_log_fuzz.") + std::to_string(getpid());
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tiebreak;
    std::FILE* file = std::fopen(scratchPath().c_str(), "wb");
    if (file == nullptr) return 0;
    std::fwrite(data, 1, size, file);
    std::fclose(file);

    const SettingsLog log(scratchPath());
    static_cast<void>(log.holdsAdvancedOptions());

    SimpleDialogValues simple;
    static_cast<void>(log.readSimpleSection(simple));
    check(simple.sortingIndex >= SortingRecursivePerformance && simple.sortingIndex <= SortingNone);
    check(digitsOnly(simple.eloText, EloTextLength));

    AdvancedDialogValues advanced;
    static_cast<void>(log.readAdvancedSection(advanced));
    check(advanced.methodIndex[0] == ItemRecursivePerformance ||
          advanced.methodIndex[0] == ItemRecursiveBucholz);
    check(advanced.modificationIndex[0] == ItemNoModification ||
          advanced.modificationIndex[0] == ItemRivalsAverage);
    for (int row = 0; row < MethodRowCount; ++row) {
        const int method = advanced.methodIndex[row];
        const int modification = advanced.modificationIndex[row];
        check(method >= NoSelection && method <= ItemRecursiveBucholz);
        check(modification >= NoSelection && modification <= ItemRivalsAverage);
        check((method == NoSelection) == (modification == NoSelection));
        check(digitsOnly(advanced.worstText[row], CountTextLength));
        check(digitsOnly(advanced.bestText[row], CountTextLength));
    }
    check(digitsOnly(advanced.eloText, EloTextLength));
    return 0;
}
