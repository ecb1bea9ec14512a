#pragma once

#include <QFileDialog>

namespace tiebreak {

// The file-open dialog of both modes: one filter that shows every file, and any name accepted,
// also that of a file that does not exist (the reader then reports it). Qt's own dialog rather
// than the desktop's, so that it looks and behaves the same everywhere.
class CInputFileDialog : public QFileDialog {
    Q_OBJECT

public:
    explicit CInputFileDialog(const QString& title, QWidget* parent = nullptr);
};

}  // namespace tiebreak
