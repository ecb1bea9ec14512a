#include "gui/input_file_dialog.h"

#include <QHeaderView>
#include <QSplitter>
#include <QTreeView>

namespace tiebreak {

CInputFileDialog::CInputFileDialog(const QString& title, QWidget* parent)
    : QFileDialog(parent, title) {
    setOption(QFileDialog::DontUseNativeDialog);
    setAcceptMode(QFileDialog::AcceptOpen);
    setFileMode(QFileDialog::ExistingFile);
    // The crosstables first; "All files" for an export named otherwise. A pattern list takes
    // blanks between its patterns.
    setNameFilters({QStringLiteral("Crosstables (*.txt *.trf *.csv *.TXT *.TRF *.CSV)"),
                    QStringLiteral("All files (*)")});
    // Qt's default sizes cut the side bar's names and the dates short.
    resize(sizeHint().expandedTo(QSize(800, 500)));
    if (auto* splitter = findChild<QSplitter*>(QStringLiteral("splitter")))
        splitter->setSizes({180, 620});
    if (auto* details = findChild<QTreeView*>(QStringLiteral("treeView"))) {
        details->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
        details->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    }
}

}  // namespace tiebreak
