#include "gui/qt_views.h"

#include <QDir>
#include <QFileInfo>

#include "app/app_mode.h"
#include "gui/advanced_options_dlg.h"
#include "gui/input_file_dialog.h"
#include "gui/qt_strings.h"
#include "gui/simple_options_dlg.h"

namespace tiebreak {
namespace {

// Shows dialog modally; on OK values takes what it holds. switchResult is the result with which
// the dialog's mode button ends it.
template <typename Dialog, typename Values>
DialogOutcome showDialog(Dialog& dialog, Values& values, int switchResult) {
    const int result = dialog.exec();
    if (result == QDialog::Accepted) {
        values = dialog.values();
        return DialogOk;
    }
    if (result == QDialog::Rejected) return DialogCancel;
    if (result == switchResult) return DialogSwitchMode;
    return DialogNotShown;
}

}  // namespace

DialogOutcome QtSimpleOptionsView::show(SimpleDialogValues& values) {
    CSimpleOptionsDlg dialog(values);
    return showDialog(dialog, values, ModeAdvanced);
}

DialogOutcome QtAdvancedOptionsView::show(AdvancedDialogValues& values) {
    CAdvancedOptionsDlg dialog(values, files_);
    return showDialog(dialog, values, ModeSimple);
}

std::optional<ChosenFile> QtInputFileView::choose(std::string_view windowTitle) {
    CInputFileDialog dialog(toQString(windowTitle));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const QString path = dialog.selectedFiles().constFirst();
    return ChosenFile{toStdString(QDir::toNativeSeparators(path)),
                      toStdString(QFileInfo(path).completeBaseName())};
}

}  // namespace tiebreak
