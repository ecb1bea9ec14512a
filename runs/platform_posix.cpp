#include <langinfo.h>
#include <locale.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "runs/platform.h"

extern char** environ;

namespace tiebreak {

std::string_view directorySeparators() noexcept {
    return "/";
}

Separators userLocaleSeparators() noexcept {
    // The numeric locale the environment names, looked at without changing the process locale.
    // No name, the C locale and a locale that is not installed tell nothing.
    const char* name = nullptr;
    for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && value[0] != '\0') {
            name = value;
            break;
        }
    }
    if (name == nullptr || std::strcmp(name, "C") == 0 || std::strcmp(name, "POSIX") == 0 ||
        std::strncmp(name, "C.", 2) == 0) {
        return {};
    }
    const locale_t user = newlocale(LC_NUMERIC_MASK, name, static_cast<locale_t>(0));
    if (user == static_cast<locale_t>(0)) return {};
    Separators separators;
    if (const char* radix = nl_langinfo_l(RADIXCHAR, user); radix != nullptr && radix[0] != '\0') {
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

bool replaceFile(const std::string& from, const std::string& to) noexcept {
    return std::rename(from.c_str(), to.c_str()) == 0;
}

}  // namespace tiebreak
