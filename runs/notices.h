#pragma once

#include <string>

namespace tiebreak {

// The decimal and list separators of the user's locale, as the spreadsheet conversion uses them.
struct Separators {
    char decimal = '.';
    char list = ';';
};

// What the runs tell the user: an error box (stop icon), a notice box (no icon), the
// information beep, and the locale's separators. The desktop program shows boxes, the
// command line writes to standard error, and the tests record.
class Notices {
public:
    virtual ~Notices() = default;
    virtual void showError(const std::string& text) = 0;
    virtual void showNotice(const std::string& text) = 0;
    virtual void beep() = 0;
    [[nodiscard]] virtual Separators separators() const = 0;
};

// Opens a file with the program the desktop associates with its extension, without waiting for
// it and without passing the path through a shell. False when no program could be started.
class FileOpener {
public:
    virtual ~FileOpener() = default;
    [[nodiscard]] virtual bool open(const std::string& path) = 0;
};

}  // namespace tiebreak
