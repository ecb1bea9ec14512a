#include "gui/simple_options_dlg.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/app_mode.h"
#include "app/option_views.h"
#include "gui/button_column.h"
#include "gui/dialog_style.h"
#include "gui/digits_edit.h"
#include "gui/field_boxes.h"
#include "gui/fixed_size.h"
#include "gui/qt_strings.h"

namespace tiebreak {

CSimpleOptionsDlg::CSimpleOptionsDlg(const SimpleDialogValues& values, QWidget* parent)
    : QDialog(parent), sorting_(new QButtonGroup(this)) {
    setWindowTitle(toQString(OptionsDialogTitle));
    frameGroupTitles(*this);

    // Controls in the dialog's tab order.
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    auto* advanced = new QPushButton(tr("&Advanced..."), this);
    advanced->setObjectName(QStringLiteral("advancedButton"));
    auto* eloLabel = new QLabel(tr("ELO for &unrated players:"), this);
    eloEdit_ = newDigitsEdit(EloTextLength, QStringLiteral("eloEdit"), this);
    eloLabel->setBuddy(eloEdit_);
    auto* group = new QGroupBox(tr("Sorting tie-break"), this);
    const QString texts[] = {
        tr("&Recursive performance"),
        tr("A&verage recursive performance of the rivals without the worst of them"),
        tr("&None"),
    };
    auto* radios = new QVBoxLayout(group);
    for (int index = 0; index < 3; ++index) {
        auto* radio = new QRadioButton(texts[index], group);
        radio->setObjectName(QStringLiteral("sortingButton%1").arg(index));
        sorting_->addButton(radio, index);
        radios->addWidget(radio);
    }

    auto* eloRow = new QHBoxLayout;
    eloRow->addWidget(eloLabel);
    eloRow->addWidget(eloEdit_);
    eloRow->addStretch();
    auto* left = new QVBoxLayout;
    left->addWidget(group);
    left->addLayout(eloRow);
    left->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(newButtonColumn({ok, cancel, advanced}));
    keepFixedSize(*this);

    connect(ok, &QPushButton::clicked, this, [this] {
        if (refuseElo(*this, *eloEdit_)) return;
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(advanced, &QPushButton::clicked, this, [this] { done(ModeAdvanced); });

    // A sorting index that no button has selects the first one: OK always yields one of them.
    QAbstractButton* selected = sorting_->button(values.sortingIndex);
    (selected != nullptr ? selected : sorting_->button(SortingRecursivePerformance))
        ->setChecked(true);
    eloEdit_->setText(toQString(values.eloText));
    ok->setFocus();
}

SimpleDialogValues CSimpleOptionsDlg::values() const {
    return {sorting_->checkedId(), toStdString(eloEdit_->text())};
}

}  // namespace tiebreak
