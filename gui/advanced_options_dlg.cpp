#include "gui/advanced_options_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
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
namespace {

constexpr int RowGap = 10;  // pixels between two method rows

QPushButton* newButton(const QString& text, const QString& objectName, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(objectName);
    return button;
}

QCheckBox* newCheckBox(const QString& text, const QString& objectName, bool checked,
                       QWidget* parent) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(objectName);
    box->setChecked(checked);
    return box;
}

}  // namespace

CAdvancedOptionsDlg::CAdvancedOptionsDlg(const AdvancedDialogValues& values, InputFileView& files,
                                         QWidget* parent)
    : QDialog(parent), files_(files) {
    setWindowTitle(toQString(OptionsDialogTitle));
    frameGroupTitles(*this);

    // Controls are created in the dialog's tab order; labels before the controls they name,
    // so each label's mnemonic reaches the control after it.
    auto* fileGroup = new QGroupBox(tr("Input file"), this);
    auto* fileLabel = new QLabel(tr("&File:"), fileGroup);
    fileEdit_ = new QLineEdit(toQString(values.inputFile), fileGroup);
    fileEdit_->setObjectName(QStringLiteral("fileEdit"));
    fileLabel->setBuddy(fileEdit_);
    QPushButton* open = newButton(tr("&Open..."), QStringLiteral("openButton"), fileGroup);
    auto* fileRow = new QHBoxLayout(fileGroup);
    fileRow->addWidget(fileLabel);
    fileRow->addWidget(fileEdit_, 1);
    fileRow->addWidget(open);

    auto* methodGroup = new QGroupBox(tr("Choose tie-break methods"), this);
    auto* grid = new QGridLayout(methodGroup);
    sortBox_ = nullptr;
    for (int row = 0; row < MethodRowCount; ++row) {
        RowWidgets& w = rows_[row];
        // Only the first row's labels have Alt keys: four rows could not share them.
        const bool keys = row == 0;
        auto* methodLabel = new QLabel(keys ? tr("&Method:") : tr("Method:"), methodGroup);
        w.method = new QComboBox(methodGroup);
        w.method->setObjectName(QStringLiteral("methodBox%1").arg(row + 1));
        for (const std::string& text : methodItemTexts(row))
            w.method->addItem(toQString(text));
        methodLabel->setBuddy(w.method);
        auto* modificationLabel =
            new QLabel(keys ? tr("Mo&dification:") : tr("Modification:"), methodGroup);
        w.modification = new QComboBox(methodGroup);
        w.modification->setObjectName(QStringLiteral("modificationBox%1").arg(row + 1));
        w.modification->addItems({tr("No modification"), tr("Rivals average")});
        modificationLabel->setBuddy(w.modification);
        w.average = new QLabel(tr("Calculate average taking out..."), methodGroup);
        w.average->setObjectName(QStringLiteral("averageLabel%1").arg(row + 1));
        w.worstLabel = new QLabel(keys ? tr("# &Worst:") : tr("# Worst:"), methodGroup);
        w.worstLabel->setObjectName(QStringLiteral("worstLabel%1").arg(row + 1));
        w.worst =
            newDigitsEdit(CountTextLength, QStringLiteral("worstEdit%1").arg(row + 1), methodGroup);
        w.worst->setText(toQString(values.worstText[row]));
        w.worstLabel->setBuddy(w.worst);
        w.bestLabel = new QLabel(keys ? tr("# &Best:") : tr("# Best:"), methodGroup);
        w.bestLabel->setObjectName(QStringLiteral("bestLabel%1").arg(row + 1));
        w.best =
            newDigitsEdit(CountTextLength, QStringLiteral("bestEdit%1").arg(row + 1), methodGroup);
        w.best->setText(toQString(values.bestText[row]));
        w.bestLabel->setBuddy(w.best);

        const int line = 3 * row;
        grid->addWidget(methodLabel, line, 0);
        grid->addWidget(w.method, line, 1);
        grid->addWidget(modificationLabel, line, 2);
        grid->addWidget(w.modification, line, 3);
        grid->addWidget(w.average, line + 1, 0, 1, 2);
        auto* worstPair = new QHBoxLayout;
        worstPair->addWidget(w.worstLabel);
        worstPair->addWidget(w.worst);
        worstPair->addStretch();
        grid->addLayout(worstPair, line + 1, 2);
        auto* bestPair = new QHBoxLayout;
        bestPair->addWidget(w.bestLabel);
        bestPair->addWidget(w.best);
        bestPair->addStretch();
        grid->addLayout(bestPair, line + 1, 3);
        grid->setRowMinimumHeight(line + 2, RowGap);
        if (row == 0) {
            // "Sort using" names the method of row 1, with "this method" beneath it.
            sortBox_ =
                newCheckBox(tr("&Sort using"), QStringLiteral("sortBox"), values.sort, methodGroup);
            grid->addWidget(sortBox_, line, 4);
            auto* beneath = new QLabel(tr("this method"), methodGroup);
            // Indented to stand under the check box's text rather than its box.
            beneath->setIndent(style()->pixelMetric(QStyle::PM_IndicatorWidth) +
                               style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing));
            grid->addWidget(beneath, line + 1, 4);
        }
    }
    grid->setColumnStretch(5, 1);

    auto* otherGroup = new QGroupBox(tr("Other options"), this);
    auto* eloLabel = new QLabel(tr("&ELO for unrated players:"), otherGroup);
    eloEdit_ = newDigitsEdit(EloTextLength, QStringLiteral("eloEdit"), otherGroup);
    eloEdit_->setText(toQString(values.eloText));
    eloLabel->setBuddy(eloEdit_);
    headingsBox_ = newCheckBox(tr("&Include short headings"), QStringLiteral("headingsBox"),
                               values.headings, otherGroup);

    QPushButton* ok = newButton(tr("OK"), QStringLiteral("okButton"), this);
    ok->setDefault(true);
    QPushButton* cancel = newButton(tr("Cancel"), QStringLiteral("cancelButton"), this);
    QPushButton* less = newButton(tr("&Less options"), QStringLiteral("lessButton"), this);
    beepBox_ =
        newCheckBox(tr("&Beep when finished"), QStringLiteral("beepBox"), values.beep, otherGroup);
    pageBox_ = newCheckBox(tr("&Web page with each player's breakdown"),
                           QStringLiteral("webPageBox"), values.webPage, otherGroup);

    auto* otherLayout = new QGridLayout(otherGroup);
    otherLayout->addWidget(eloLabel, 0, 0);
    otherLayout->addWidget(eloEdit_, 0, 1);
    otherLayout->addWidget(headingsBox_, 1, 0, 1, 2);
    otherLayout->addWidget(beepBox_, 2, 0, 1, 2);
    otherLayout->addWidget(pageBox_, 3, 0, 1, 2);
    otherLayout->setColumnStretch(2, 1);

    auto* left = new QVBoxLayout;
    left->addWidget(fileGroup);
    left->addWidget(methodGroup);
    left->addWidget(otherGroup);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(newButtonColumn({ok, cancel, less}));
    keepFixedSize(*this);

    for (int row = 0; row < MethodRowCount; ++row) {
        applyRow(row, openedRow(row, values.methodIndex[row], values.modificationIndex[row]));
        connect(rows_[row].modification, &QComboBox::currentIndexChanged, this,
                [this, row](int index) {
                    MethodRowState state = rowState(row);
                    chooseModification(state, index);
                    applyRow(row, state);
                });
        connect(rows_[row].method, &QComboBox::currentIndexChanged, this, [this, row](int place) {
            MethodRowState state = rowState(row);
            chooseMethod(state, itemAtPlace(row, place));
            applyRow(row, state);
        });
    }
    connect(open, &QPushButton::clicked, this, &CAdvancedOptionsDlg::openFile);
    connect(ok, &QPushButton::clicked, this, &CAdvancedOptionsDlg::acceptWithFile);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(less, &QPushButton::clicked, this, [this] { done(ModeSimple); });
    fileEdit_->setFocus();
}

AdvancedDialogValues CAdvancedOptionsDlg::values() const {
    AdvancedDialogValues values;
    values.inputFile = toStdString(fileEdit_->text());
    for (int row = 0; row < MethodRowCount; ++row) {
        values.methodIndex[row] = methodItem(row);
        values.modificationIndex[row] = rows_[row].modification->currentIndex();
        values.worstText[row] = toStdString(rows_[row].worst->text());
        values.bestText[row] = toStdString(rows_[row].best->text());
    }
    values.sort = sortBox_->isChecked();
    values.eloText = toStdString(eloEdit_->text());
    values.headings = headingsBox_->isChecked();
    values.beep = beepBox_->isChecked();
    values.webPage = pageBox_->isChecked();
    return values;
}

MethodRowState CAdvancedOptionsDlg::rowState(int row) const {
    const RowWidgets& w = rows_[row];
    return {methodItem(row), w.modification->currentIndex(), w.modification->isEnabledTo(this),
            w.average->isEnabledTo(this)};
}

int CAdvancedOptionsDlg::methodItem(int row) const {
    const int place = rows_[row].method->currentIndex();
    return place < 0 ? NoSelection : itemAtPlace(row, place);
}

void CAdvancedOptionsDlg::applyRow(int row, const MethodRowState& state) {
    const RowWidgets& w = rows_[row];
    // Selections set here are no user choices: they must not run the rules again.
    const QSignalBlocker methodSignals(w.method);
    const QSignalBlocker modificationSignals(w.modification);
    w.method->setCurrentIndex(state.methodIndex < 0 ? -1 : placeOfItem(row, state.methodIndex));
    w.modification->setCurrentIndex(state.modificationIndex);
    w.modification->setEnabled(state.modificationEnabled);
    for (QWidget* control : {static_cast<QWidget*>(w.average), static_cast<QWidget*>(w.worstLabel),
                             static_cast<QWidget*>(w.worst), static_cast<QWidget*>(w.bestLabel),
                             static_cast<QWidget*>(w.best)})
        control->setEnabled(state.averageEnabled);
}

void CAdvancedOptionsDlg::openFile() {
    if (const std::optional<ChosenFile> chosen = files_.choose(OpenFileTitle)) {
        fileEdit_->setText(toQString(chosen->path));
        rows_[0].method->setFocus();
    }
}

void CAdvancedOptionsDlg::acceptWithFile() {
    if (refuseElo(*this, *eloEdit_)) return;
    if (const std::optional<std::string> refused = refusedFideRow(values())) {
        showRefusal(*this, toQString(*refused));
        return;
    }
    if (fileEdit_->text().isEmpty()) fileEdit_->setText(toQString(NoInputFile));
    accept();
}

}  // namespace tiebreak
