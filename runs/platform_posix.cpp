#include <langinfo.h>
#include <locale.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

#include "runs/platform.h"

extern char** environ;

namespace tiebreak {

std::string_view directorySeparators() noexcept {
    return "/";
}

Separators userLocaleSeparators() noexcept {
    // The numeric locale the environment names (LC_ALL, LC_NUMERIC, LANG), looked at without
    // changing the process locale. The C locale and a locale that is not installed tell nothing.
    const locale_t user = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(0));
    if (user == static_cast<locale_t>(0)) return {};
    const char* name = nullptr;
#ifdef NL_LOCALE_NAME
    name = nl_langinfo_l(NL_LOCALE_NAME(LC_NUMERIC), user);
#endif
    const char* radix = nl_langinfo_l(RADIXCHAR, user);
    Separators separators;
    const bool plain =
        name != nullptr && (std::strcmp(name, "C") == 0 || std::strcmp(name, "POSIX") == 0);
    if (!plain && radix != nullptr && radix[0] != '\0') {
        // Where the decimal separator is a comma, lists are separated by semicolons.
        separators.decimal = radix[0];
        separators.list = radix[0] == ',' ? ';' : ',';
    }
    freelocale(user);
    return separators;
}

bool openWithAssociatedProgram(const std::string& path) noexcept {
    // xdg-open gets the path as its one argument: no shell ever reads it.
    char program[] = "xdg-open";
    std::string argument = path;
    char* argv[] = {program, argument.data(), nullptr};
    pid_t child = 0;
    if (posix_spawnp(&child, program, nullptr, nullptr, argv, environ) != 0) return false;
    // xdg-open hands the file on and ends soon; waiting for it leaves no zombie behind.
    int status = 0;
    static_cast<void>(waitpid(child, &status, 0));
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void informationBeep() noexcept {
    std::fputc('\a', stderr);
    std::fflush(stderr);
}

}  // namespace tiebreak
