#pragma once

#include <array>

#include <QDialog>

#include "app/advanced_rules.h"
#include "app/dialog_values.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace tiebreak {

class InputFileView;

// The advanced options: the input file, four method rows, sorting, headings, the Elo for unrated
// players, the beep and the web page. The rows follow the enabling rules of advanced_rules.h.
// "&Open..." asks files for the input file. It ends with Accepted on OK (an empty file field
// becoming "<none>"; an Elo or a FIDE row's counts that cannot be taken are refused in a box),
// Rejected on Cancel and ModeSimple on "&Less options", which leaves the values unread.
class CAdvancedOptionsDlg : public QDialog {
    Q_OBJECT

public:
    // files must outlive the dialog.
    CAdvancedOptionsDlg(const AdvancedDialogValues& values, InputFileView& files,
                        QWidget* parent = nullptr);

    // The values as the controls hold them, disabled ones included.
    [[nodiscard]] AdvancedDialogValues values() const;

private:
    struct RowWidgets {
        QComboBox* method;
        QComboBox* modification;
        QLabel* average;
        QLabel* worstLabel;
        QLineEdit* worst;
        QLabel* bestLabel;
        QLineEdit* best;
    };

    [[nodiscard]] MethodRowState rowState(int row) const;
    // The item of row's method list that is chosen (the list's place is not the item in row 1).
    [[nodiscard]] int methodItem(int row) const;
    void applyRow(int row, const MethodRowState& state);
    void openFile();
    void acceptWithFile();

    InputFileView& files_;
    QLineEdit* fileEdit_;
    std::array<RowWidgets, MethodRowCount> rows_{};
    QCheckBox* sortBox_;
    QLineEdit* eloEdit_;
    QCheckBox* headingsBox_;
    QCheckBox* beepBox_;
    QCheckBox* pageBox_;
};

}  // namespace tiebreak
