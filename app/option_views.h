#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "app/dialog_values.h"

namespace tiebreak {

// Window titles of the options dialogs and of the file-open dialog.
inline constexpr std::string_view OptionsDialogTitle = "Recursive performance tie-breaks";
inline constexpr std::string_view OpenFileTitle = "Recursive performance tie-breaks - Open file";

// How the user left an options dialog.
enum DialogOutcome : int {
    DialogOk = 1,
    DialogCancel = 2,
    DialogSwitchMode = 3,  // "&Advanced..." in the simple dialog, "&Less options" in the other
    DialogNotShown = -1,   // the dialog could not be shown at all
};

// The simple options dialog (radio buttons for sorting, the Elo for unrated players).
class SimpleOptionsView {
public:
    virtual ~SimpleOptionsView() = default;
    // Shows the dialog filled from values. After DialogOk, values holds what the user accepted,
    // an Elo text that acceptedElo (field_rules.h) takes among it: OK refuses any other with
    // EloRefusedText. After any other outcome values is unchanged.
    [[nodiscard]] virtual DialogOutcome show(SimpleDialogValues& values) = 0;
};

// The advanced options dialog (input file, four method rows, other options). The view applies
// the enabling rules of advanced_rules.h, refuses an Elo as the simple view does, and puts
// "<none>" into an empty file field on OK.
class AdvancedOptionsView {
public:
    virtual ~AdvancedOptionsView() = default;
    // As SimpleOptionsView::show.
    [[nodiscard]] virtual DialogOutcome show(AdvancedDialogValues& values) = 0;
};

// A chosen input file: its full path, and its title (the name without directory and extension).
struct ChosenFile {
    std::string path;
    std::string title;
};

// The file-open dialog. Each call shows a new dialog that lists the crosstables (.txt, .trf and
// .csv files) or, at the user's choice, every file; the chosen file exists.
class InputFileView {
public:
    virtual ~InputFileView() = default;
    // The chosen file, or nothing when the user cancelled.
    [[nodiscard]] virtual std::optional<ChosenFile> choose(std::string_view windowTitle) = 0;
};

}  // namespace tiebreak
