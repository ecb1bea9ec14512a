#pragma once

#include "runs/notices.h"

namespace tiebreak {

// Message boxes captioned with the program's name, the system's information sound and the
// separators of the user's locale.
class Win32Notices : public Notices {
public:
    void showError(const std::string& text) override;
    void showNotice(const std::string& text) override;
    void beep() override;
    [[nodiscard]] Separators separators() const override;
};

// Opens a file by its association through the shell's API; no command interpreter reads the path.
class Win32FileOpener : public FileOpener {
public:
    [[nodiscard]] bool open(const std::string& path) override;
};

}  // namespace tiebreak
