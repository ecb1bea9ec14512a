#include "gui/simple_options_dlg.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include "gui/qt_views.h"
#include "tests/gui/dialog_driving.h"

namespace tiebreak {
namespace {

TEST(CSimpleOptionsDlg, ShowsEveryTextOfTheDialog) {
    const CSimpleOptionsDlg dialog({});
    EXPECT_EQ(dialog.windowTitle(), "Recursive performance tie-breaks");
    QStringList expected{"OK",
                         "Cancel",
                         "&Advanced...",
                         "ELO for &unrated players:",
                         "Sorting tie-break",
                         "&Recursive performance",
                         "A&verage recursive performance of the rivals without the worst of them",
                         "&None"};
    expected.sort();
    EXPECT_EQ(shownTexts(dialog), expected);
    EXPECT_TRUE(child<QPushButton>(&dialog, "okButton")->isDefault());
    auto* eloLabel = dialog.findChild<QLabel*>();
    EXPECT_EQ(eloLabel->buddy(), child<QLineEdit>(&dialog, "eloEdit"));
}

TEST(CSimpleOptionsDlg, ReturnsTheValuesItWasBuiltWith) {
    for (int sorting : {SortingRecursivePerformance, SortingRivalsWithoutWorst, SortingNone}) {
        const CSimpleOptionsDlg dialog({sorting, "1500"});
        EXPECT_EQ(dialog.values().sortingIndex, sorting);
        EXPECT_EQ(dialog.values().eloText, "1500");
    }
}

TEST(CSimpleOptionsDlg, EloTakesFourDigitsAtMost) {
    const CSimpleOptionsDlg dialog({SortingRecursivePerformance, ""});
    auto* elo = child<QLineEdit>(&dialog, "eloEdit");
    QTest::keyClicks(elo, "1a2-345");
    EXPECT_EQ(elo->text(), "1234");
}

struct ButtonCase {
    const char* name;
    const char* button;
    DialogOutcome outcome;
    SimpleDialogValues values;  // what the view hands back
};

void PrintTo(const ButtonCase& row, std::ostream* out) {
    *out << row.name;
}

class SimpleOptionsButtons : public ::testing::TestWithParam<ButtonCase> {};

TEST_P(SimpleOptionsButtons, EndTheDialogWithTheirOutcome) {
    whenModal([](QWidget* dialog) {
        child<QRadioButton>(dialog, "sortingButton2")->click();
        child<QLineEdit>(dialog, "eloEdit")->clear();
        child<QPushButton>(dialog, GetParam().button)->click();
    });
    SimpleDialogValues values{SortingRivalsWithoutWorst, "1400"};
    QtSimpleOptionsView view;
    EXPECT_EQ(view.show(values), GetParam().outcome);
    EXPECT_EQ(values.sortingIndex, GetParam().values.sortingIndex);
    EXPECT_EQ(values.eloText, GetParam().values.eloText);
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, SimpleOptionsButtons,
    ::testing::Values(ButtonCase{"Ok", "okButton", DialogOk, {SortingNone, ""}},
                      ButtonCase{"Cancel", "cancelButton", DialogCancel, {1, "1400"}},
                      ButtonCase{"Advanced", "advancedButton", DialogSwitchMode, {1, "1400"}}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace tiebreak
