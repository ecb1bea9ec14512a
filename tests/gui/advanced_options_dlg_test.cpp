#include "gui/advanced_options_dlg.h"

#include <string>
#include <vector>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "app/option_views.h"
#include "gui/qt_views.h"
#include "gui/simple_options_dlg.h"
#include "tests/gui/dialog_driving.h"

namespace tiebreak {
namespace {

// Answers every choice with answer and records the window titles it was shown with.
class ScriptedFiles : public InputFileView {
public:
    std::optional<ChosenFile> answer;
    std::vector<std::string> titles;

    std::optional<ChosenFile> choose(std::string_view windowTitle) override {
        titles.emplace_back(windowTitle);
        return answer;
    }
};

QStringList items(const QComboBox* box) {
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    return texts;
}

// What a row shows: its selections and whether its lists and its five average controls are
// enabled (-1 when the average controls disagree among themselves).
struct RowShown {
    int method;
    int modification;
    bool modificationEnabled;
    int averageEnabled;
    bool operator==(const RowShown&) const = default;
};

RowShown rowShown(const QWidget& dialog, int row) {
    const auto name = [row](const char* base) { return base + std::to_string(row); };
    const QWidget* average[] = {
        child<QLabel>(&dialog, name("averageLabel").c_str()),
        child<QLabel>(&dialog, name("worstLabel").c_str()),
        child<QLineEdit>(&dialog, name("worstEdit").c_str()),
        child<QLabel>(&dialog, name("bestLabel").c_str()),
        child<QLineEdit>(&dialog, name("bestEdit").c_str()),
    };
    int enabled = average[0]->isEnabled();
    for (const QWidget* control : average)
        if (control->isEnabled() != (enabled == 1)) enabled = -1;
    const auto* modification = child<QComboBox>(&dialog, name("modificationBox").c_str());
    return {child<QComboBox>(&dialog, name("methodBox").c_str())->currentIndex(),
            modification->currentIndex(), modification->isEnabled(), enabled};
}

void choose(QWidget& dialog, const std::string& box, int index) {
    child<QComboBox>(&dialog, box.c_str())->setCurrentIndex(index);
}

class AdvancedDialog : public ::testing::Test {
protected:
    ScriptedFiles files;
};

// Neither options dialog can be resized or maximised.
TEST_F(AdvancedDialog, BothDialogsKeepTheirSize) {
    CSimpleOptionsDlg simple({});
    CAdvancedOptionsDlg advanced({}, files);
    for (QDialog* dialog : std::initializer_list<QDialog*>{&simple, &advanced}) {
        dialog->show();
        EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
        EXPECT_FALSE(dialog->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        dialog->hide();
    }
}

TEST_F(AdvancedDialog, ShowsEveryTextAndListItem) {
    const CAdvancedOptionsDlg dialog({}, files);
    EXPECT_EQ(dialog.windowTitle(), "Recursive performance tie-breaks");
    QStringList expected{"Input file",
                         "&File:",
                         "&Open...",
                         "Choose tie-break methods",
                         "&Sort using",
                         "this method",
                         "Other options",
                         "&ELO for unrated players:",
                         "&Include short headings",
                         "OK",
                         "Cancel",
                         "&Less options",
                         "&Beep when finished"};
    for (int row = 0; row < 4; ++row)
        expected << "&Method:"
                 << "Mo&dification:"
                 << "Calculate average taking out..."
                 << "# &Worst:"
                 << "# &Best:";
    expected.sort();
    EXPECT_EQ(shownTexts(dialog), expected);
    const QStringList methods{"Recursive performance", "Recursive Bucholz"};
    EXPECT_EQ(items(child<QComboBox>(&dialog, "methodBox1")), methods);
    for (const char* box : {"methodBox2", "methodBox3", "methodBox4"})
        EXPECT_EQ(items(child<QComboBox>(&dialog, box)), methods + QStringList{"<delete>"});
    for (const char* box :
         {"modificationBox1", "modificationBox2", "modificationBox3", "modificationBox4"})
        EXPECT_EQ(items(child<QComboBox>(&dialog, box)),
                  (QStringList{"No modification", "Rivals average"}));
}

TEST_F(AdvancedDialog, OpensWithTheDefaultsOfAFirstStart) {
    const CAdvancedOptionsDlg dialog({}, files);
    EXPECT_EQ(rowShown(dialog, 1), (RowShown{0, 0, true, false}));
    for (int row = 2; row <= 4; ++row)
        EXPECT_EQ(rowShown(dialog, row), (RowShown{-1, -1, false, false})) << row;
    EXPECT_TRUE(child<QCheckBox>(&dialog, "sortBox")->isChecked());
    EXPECT_TRUE(child<QCheckBox>(&dialog, "headingsBox")->isChecked());
    EXPECT_FALSE(child<QCheckBox>(&dialog, "beepBox")->isChecked());
    EXPECT_EQ(child<QLineEdit>(&dialog, "eloEdit")->text(), "1400");
    EXPECT_EQ(child<QLineEdit>(&dialog, "worstEdit3")->text(), "0");
    EXPECT_EQ(dialog.focusWidget(), child<QLineEdit>(&dialog, "fileEdit"));
}

struct RuleCase {
    const char* name;
    std::vector<std::pair<std::string, int>> choices;  // list box, index chosen
    int row;
    RowShown expected;
};

void PrintTo(const RuleCase& row, std::ostream* out) {
    *out << row.name;
}

class AdvancedDialogRules : public AdvancedDialog,
                            public ::testing::WithParamInterface<RuleCase> {};

// Opens with row 1 (0, 0) and row 2 holding "Recursive performance" with "Rivals average".
TEST_P(AdvancedDialogRules, EnableTheRowsControls) {
    AdvancedDialogValues values;
    values.methodIndex[1] = 0;
    values.modificationIndex[1] = 1;
    values.worstText[1] = "4";
    CAdvancedOptionsDlg dialog(values, files);
    for (const auto& [box, index] : GetParam().choices)
        choose(dialog, box, index);
    EXPECT_EQ(rowShown(dialog, GetParam().row), GetParam().expected);
    EXPECT_EQ(dialog.values().worstText[1], "4");  // disabling never clears a value
}

INSTANTIATE_TEST_SUITE_P(
    Rows, AdvancedDialogRules,
    ::testing::Values(
        RuleCase{"OpeningWithRivalsAverage", {}, 2, {0, 1, true, true}},
        RuleCase{"RivalsAverageInRowOne", {{"modificationBox1", 1}}, 1, {0, 1, true, true}},
        RuleCase{"BackToNoModification",
                 {{"modificationBox1", 1}, {"modificationBox1", 0}},
                 1,
                 {0, 0, true, false}},
        RuleCase{"RowOneMethodHasNoRule", {{"methodBox1", 1}}, 1, {1, 0, true, false}},
        RuleCase{"MethodInRowThreeAlone", {{"methodBox3", 1}}, 3, {1, 0, true, false}},
        RuleCase{"DeleteInRowTwo", {{"methodBox2", 2}}, 2, {-1, -1, false, false}},
        RuleCase{"SwitchingRowTwoKeepsRivalsAverage", {{"methodBox2", 1}}, 2, {1, 1, true, true}},
        RuleCase{
            "MethodAfterDelete", {{"methodBox2", 2}, {"methodBox2", 0}}, 2, {0, 0, true, false}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(AdvancedDialog, ReturnsTheValuesItWasBuiltWith) {
    const AdvancedDialogValues values{"/data/my cross.txt",
                                      {1, 0, -1, 1},
                                      {1, 0, -1, 1},
                                      {"1", "2", "3", "4"},
                                      {"5", "6", "7", "8"},
                                      false,
                                      "",
                                      false,
                                      true};
    const AdvancedDialogValues read = CAdvancedOptionsDlg(values, files).values();
    EXPECT_EQ(read.inputFile, values.inputFile);
    EXPECT_EQ(read.methodIndex, values.methodIndex);
    EXPECT_EQ(read.modificationIndex, values.modificationIndex);
    EXPECT_EQ(read.worstText, values.worstText);
    EXPECT_EQ(read.bestText, values.bestText);
    EXPECT_EQ(read.sort, values.sort);
    EXPECT_EQ(read.eloText, values.eloText);
    EXPECT_EQ(read.headings, values.headings);
    EXPECT_EQ(read.beep, values.beep);
}

TEST_F(AdvancedDialog, CountsAndEloTakeDigitsUpToTheirLimits) {
    CAdvancedOptionsDlg dialog({}, files);
    choose(dialog, "modificationBox1", 1);  // typing needs the edit enabled
    auto* worst = child<QLineEdit>(&dialog, "worstEdit1");
    auto* elo = child<QLineEdit>(&dialog, "eloEdit");
    worst->clear();
    elo->clear();
    QTest::keyClicks(worst, "x12");
    QTest::keyClicks(elo, "9.87654");
    EXPECT_EQ(worst->text(), "1");
    EXPECT_EQ(elo->text(), "9876");
    EXPECT_EQ(child<QLineEdit>(&dialog, "bestEdit4")->maxLength(), 1);
}

TEST_F(AdvancedDialog, OpenPutsTheChosenPathIntoTheFileField) {
    files.answer = ChosenFile{"/t/cross.txt", "cross"};
    CAdvancedOptionsDlg dialog({}, files);
    child<QPushButton>(&dialog, "openButton")->click();
    EXPECT_EQ(child<QLineEdit>(&dialog, "fileEdit")->text(), "/t/cross.txt");
    EXPECT_EQ(dialog.focusWidget(), child<QComboBox>(&dialog, "methodBox1"));
    EXPECT_EQ(files.titles,
              std::vector<std::string>{"Recursive performance tie-breaks - Open file"});
}

TEST_F(AdvancedDialog, CancelledOpenChangesNothing) {
    CAdvancedOptionsDlg dialog({"old.txt"}, files);
    child<QPushButton>(&dialog, "openButton")->click();
    EXPECT_EQ(child<QLineEdit>(&dialog, "fileEdit")->text(), "old.txt");
    EXPECT_EQ(dialog.focusWidget(), child<QLineEdit>(&dialog, "fileEdit"));
}

TEST_F(AdvancedDialog, OkWithAnEmptyFileFieldGivesNone) {
    whenModal([](QWidget* dialog) { child<QPushButton>(dialog, "okButton")->click(); });
    AdvancedDialogValues values;
    QtAdvancedOptionsView view(files);
    EXPECT_EQ(view.show(values), DialogOk);
    EXPECT_EQ(values.inputFile, "<none>");
}

TEST_F(AdvancedDialog, LessOptionsLeavesTheValuesUnread) {
    whenModal([](QWidget* dialog) {
        child<QCheckBox>(dialog, "beepBox")->click();
        child<QPushButton>(dialog, "lessButton")->click();
    });
    AdvancedDialogValues values;
    QtAdvancedOptionsView view(files);
    EXPECT_EQ(view.show(values), DialogSwitchMode);
    EXPECT_FALSE(values.beep);
    EXPECT_EQ(values.inputFile, "");
}

}  // namespace
}  // namespace tiebreak
