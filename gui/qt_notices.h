#pragma once

#include "runs/notices.h"

class QLocale;

namespace tiebreak {

// The spreadsheet's separators in locale: its decimal point, and ';' as the list separator where
// that point is ',' (else ','). The C locale and a point outside ASCII give '.' and ';'.
[[nodiscard]] Separators localeSeparators(const QLocale& locale);

// The runs' boxes as modal Qt message boxes captioned with the program's name (errors with the
// stop icon, notices without an icon), the desktop's beep, and the separators of the user's
// locale.
class QtNotices : public Notices {
public:
    void showError(const std::string& text) override;
    void showNotice(const std::string& text) override;
    void beep() override;
    [[nodiscard]] Separators separators() const override;
};

// Opens a file with the program the desktop associates with it, without any shell.
class QtFileOpener : public FileOpener {
public:
    bool open(const std::string& path) override;
};

}  // namespace tiebreak
