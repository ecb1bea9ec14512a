// Saves a picture of each dialog, as the desktop shows it, into the directory given.
#include <iostream>

#include <QApplication>
#include <QTimer>

#include "app/option_views.h"
#include "gui/advanced_options_dlg.h"
#include "gui/input_file_dialog.h"
#include "gui/simple_options_dlg.h"

namespace tiebreak {
namespace {

class NoFiles : public InputFileView {
public:
    std::optional<ChosenFile> choose(std::string_view) override { return std::nullopt; }
};

bool save(QWidget& window, const QString& path) {
    window.show();
    // Let the window system map and paint the window before grabbing it.
    QEventLoop wait;
    QTimer::singleShot(500, &wait, &QEventLoop::quit);
    wait.exec();
    const bool saved = window.grab().save(path);
    window.hide();
    return saved;
}

}  // namespace
}  // namespace tiebreak

int main(int argc, char** argv) {
    using namespace tiebreak;
    QApplication application(argc, argv);
    if (argc != 2) {
        std::cerr << "usage: gui_screenshots DIRECTORY\n";
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]) + QLatin1Char('/');
    NoFiles files;
    CSimpleOptionsDlg simple({});
    AdvancedDialogValues values;
    values.inputFile = "/home/arbiter/tournaments/open 2024/final crosstable.txt";
    values.methodIndex[1] = ItemRecursiveBucholz;
    values.modificationIndex[1] = ItemRivalsAverage;
    values.worstText[1] = "1";
    values.methodIndex[2] = ItemFirstFide + FideBh - FidePts;
    values.modificationIndex[2] = ItemNoModification;
    values.worstText[2] = "1";
    values.webPage = true;
    CAdvancedOptionsDlg advanced(values, files);
    CInputFileDialog open(QString::fromUtf8(OpenFileTitle.data(), OpenFileTitle.size()));
    const bool saved = save(simple, dir + "simple_options.png") &&
                       save(advanced, dir + "advanced_options.png") &&
                       save(open, dir + "input_file.png");
    return saved ? 0 : 1;
}
