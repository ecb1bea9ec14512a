#include "gui/qt_notices.h"

#include <QApplication>
#include <QLocale>
#include <QMessageBox>

#include "gui/qt_strings.h"
#include "runs/platform.h"

namespace tiebreak {
namespace {

void showBox(QMessageBox::Icon icon, const std::string& text) {
    QMessageBox box(icon, QStringLiteral("rptiebreaks"), toQString(text), QMessageBox::Ok);
    box.exec();
}

}  // namespace

void QtNotices::showError(const std::string& text) {
    showBox(QMessageBox::Critical, text);
}

void QtNotices::showNotice(const std::string& text) {
    showBox(QMessageBox::NoIcon, text);
}

void QtNotices::beep() {
    QApplication::beep();
}

Separators localeSeparators(const QLocale& locale) {
    // A locale that was never chosen is no user's: the spreadsheet gets the neutral pair.
    if (locale.language() == QLocale::C) return {};
    // A decimal point outside ASCII has no place in the 8-bit table.
    const QString point = locale.decimalPoint();
    if (point.size() != 1 || point[0].unicode() > 0x7f) return {};
    const char decimal = static_cast<char>(point[0].unicode());
    return {decimal, decimal == ',' ? ';' : ','};
}

Separators QtNotices::separators() const {
    return localeSeparators(QLocale::system());
}

bool QtFileOpener::open(const std::string& path) {
    // QDesktopServices reports success even where xdg-open knows no program for the file: its
    // exit status tells.
    return openWithAssociatedProgram(path);
}

}  // namespace tiebreak
