#pragma once

#include <cstdint>

#include "app/option_views.h"

namespace tiebreak {

// The options views on the dialog templates of the resource script: each show runs a new modal
// dialog.
class Win32SimpleOptionsView : public SimpleOptionsView {
public:
    [[nodiscard]] DialogOutcome show(SimpleDialogValues& values) override;
};

class Win32AdvancedOptionsView : public AdvancedOptionsView {
public:
    // files serves the dialog's "&Open..." button and must outlive this view.
    explicit Win32AdvancedOptionsView(InputFileView& files) : files_(files) {}
    [[nodiscard]] DialogOutcome show(AdvancedDialogValues& values) override;

private:
    InputFileView& files_;
};

// The file choice on the common open dialog: the crosstables or every file, one that exists.
class Win32InputFileView : public InputFileView {
public:
    [[nodiscard]] std::optional<ChosenFile> choose(std::string_view windowTitle) override;
};

// The outcome of a dialog that ended with result; switchResult is the result of its mode button.
[[nodiscard]] DialogOutcome dialogOutcome(std::intptr_t result, int switchResult) noexcept;

}  // namespace tiebreak
