#pragma once

#include <QDialog>

#include "app/dialog_values.h"

class QButtonGroup;
class QLineEdit;

namespace tiebreak {

// The simple options: the sorting tie-break and the Elo for unrated players. It ends with Accepted
// on OK, Rejected on Cancel and ModeAdvanced on "&Advanced...", which leaves the values unread.
class CSimpleOptionsDlg : public QDialog {
    Q_OBJECT

public:
    explicit CSimpleOptionsDlg(const SimpleDialogValues& values, QWidget* parent = nullptr);

    // The values as the controls hold them.
    [[nodiscard]] SimpleDialogValues values() const;

private:
    QButtonGroup* sorting_;
    QLineEdit* eloEdit_;
};

}  // namespace tiebreak
