#pragma once

#include "app/option_views.h"

namespace tiebreak {

// The options views on the Qt dialogs: each show builds a new modal dialog.
class QtSimpleOptionsView : public SimpleOptionsView {
public:
    [[nodiscard]] DialogOutcome show(SimpleDialogValues& values) override;
};

class QtAdvancedOptionsView : public AdvancedOptionsView {
public:
    // files serves the dialog's "&Open..." button and must outlive this view.
    explicit QtAdvancedOptionsView(InputFileView& files) : files_(files) {}
    [[nodiscard]] DialogOutcome show(AdvancedDialogValues& values) override;

private:
    InputFileView& files_;
};

// The file choice on CInputFileDialog: the full path in the platform's notation.
class QtInputFileView : public InputFileView {
public:
    [[nodiscard]] std::optional<ChosenFile> choose(std::string_view windowTitle) override;
};

}  // namespace tiebreak
