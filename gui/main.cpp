// rptiebreaks: the desktop program. It has no main window: the options dialogs follow one another
// until the user cancels or one run has finished.
#include <clocale>
#include <iostream>

#include <QApplication>
#include <QIcon>

#include "app/tie_break_app.h"
#include "gui/progress_window.h"
#include "gui/qt_notices.h"
#include "gui/qt_views.h"

int main(int argc, char** argv) {
    using namespace tiebreak;
    QApplication application(argc, argv);
    // Qt takes the user's locale for the C library too; reading crosstables and writing the
    // reports and the log must not follow its decimal comma.
    std::setlocale(LC_NUMERIC, "C");
    // The caption of every message box.
    QApplication::setApplicationName(QStringLiteral("rptiebreaks"));
    // Installed, the desktop entry and the icon theme give the windows the program's icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("rptiebreaks"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("rptiebreaks")));

    QtInputFileView files;
    QtSimpleOptionsView simple;
    QtAdvancedOptionsView advanced(files);
    QtNotices notices;
    QtFileOpener opener;
    QtProgressView progress;
    CTieBreakApp app({simple, advanced, files, notices, opener, progress}, std::cerr);
    return app.initInstance();
}
