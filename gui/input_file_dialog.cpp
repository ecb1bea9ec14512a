#include "gui/input_file_dialog.h"

namespace tiebreak {

CInputFileDialog::CInputFileDialog(const QString& title, QWidget* parent)
    : QFileDialog(parent, title) {
    setOption(QFileDialog::DontUseNativeDialog);
    setAcceptMode(QFileDialog::AcceptOpen);
    setFileMode(QFileDialog::AnyFile);
    // The list shows "All files (*.*)", but the pattern that applies is the last parenthesis,
    // "*": "*.*" alone would hide files without an extension here, unlike on Windows.
    setOption(QFileDialog::HideNameFilterDetails);
    setNameFilter(QStringLiteral("All files (*.*) (*)"));
    // Qt's default size cuts the side bar's names and the dates short.
    resize(sizeHint().expandedTo(QSize(800, 500)));
}

}  // namespace tiebreak
