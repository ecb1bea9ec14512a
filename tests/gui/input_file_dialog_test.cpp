#include "gui/input_file_dialog.h"

#include <filesystem>
#include <fstream>

#include <QComboBox>
#include <QFileSystemModel>

#include <gtest/gtest.h>

#include "gui/qt_views.h"
#include "tests/gui/dialog_driving.h"

namespace tiebreak {
namespace {

TEST(CInputFileDialog, ShowsAllFilesWithTheirOwnTitle) {
    const CInputFileDialog dialog("Recursive performance tie-breaks - Open file");
    EXPECT_EQ(dialog.windowTitle(), "Recursive performance tie-breaks - Open file");
    EXPECT_EQ(child<QComboBox>(&dialog, "fileTypeCombo")->currentText(), "All files (*.*)");
    // A file without an extension, such as "open", must be listed too.
    EXPECT_EQ(dialog.findChild<QFileSystemModel*>()->nameFilters(), QStringList{"*"});
}

struct ChoiceCase {
    const char* name;
    const char* file;  // typed into the dialog; nullptr cancels it
    bool exists;
    const char* title;
};

void PrintTo(const ChoiceCase& row, std::ostream* out) {
    *out << row.name;
}

class InputFileChoice : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(InputFileChoice, GivesThePathAndTheTitle) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path();
    const ChoiceCase& c = GetParam();
    const std::string path = c.file != nullptr ? (dir / c.file).string() : std::string();
    if (c.exists) std::ofstream(path) << "x";
    whenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        if (c.file == nullptr) return dialog->reject();
        dialog->selectFile(QString::fromStdString(path));
        static_cast<QDialog*>(dialog)->accept();  // as the Open button does
    });
    QtInputFileView view;
    const std::optional<ChosenFile> chosen = view.choose("Open");
    if (c.exists) std::filesystem::remove(path);
    if (c.file == nullptr) {
        EXPECT_FALSE(chosen.has_value());
        return;
    }
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(chosen->path, path);
    EXPECT_EQ(chosen->title, c.title);
}

INSTANTIATE_TEST_SUITE_P(
    Files, InputFileChoice,
    ::testing::Values(ChoiceCase{"Cancelled", nullptr, false, ""},
                      ChoiceCase{"WithExtension", "rpt-open.txt", true, "rpt-open"},
                      ChoiceCase{"WithoutExtension", "rpt-open", true, "rpt-open"},
                      ChoiceCase{"TwoDots", "rpt-x.y.txt", true, "rpt-x.y"},
                      ChoiceCase{"MissingFile", "rpt-no-such-file.txt", false, "rpt-no-such-file"}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace tiebreak
