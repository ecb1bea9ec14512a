#include "gui/qt_notices.h"

#include <QAbstractButton>
#include <QLocale>
#include <QMessageBox>

#include <gtest/gtest.h>

#include "tests/gui/dialog_driving.h"

namespace tiebreak {
namespace {

struct BoxShown {
    QString caption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString text;
};

// Shows a box through show, records it and closes it with OK.
template <typename Show>
BoxShown boxOf(Show show) {
    BoxShown shown;
    whenModal([&shown](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        shown = {box->windowTitle(), box->icon(), box->text()};
        box->button(QMessageBox::Ok)->click();
    });
    show();
    return shown;
}

TEST(QtNotices, ErrorsHaveTheStopIconAndNoticesNone) {
    QtNotices notices;
    const BoxShown error = boxOf([&] { notices.showError("Not enough memory."); });
    EXPECT_EQ(error.caption, "rptiebreaks");
    EXPECT_EQ(error.icon, QMessageBox::Critical);
    EXPECT_EQ(error.text, "Not enough memory.");
    const BoxShown notice = boxOf([&] { notices.showNotice("\nOne of the tie-breaks"); });
    EXPECT_EQ(notice.caption, "rptiebreaks");
    EXPECT_EQ(notice.icon, QMessageBox::NoIcon);
    EXPECT_EQ(notice.text, "\nOne of the tie-breaks");
}

struct LocaleCase {
    const char* name;
    QLocale::Language language;
    QLocale::Territory territory;
    char decimal;
    char list;
};

void PrintTo(const LocaleCase& row, std::ostream* out) {
    *out << row.name;
}

class LocaleSeparators : public ::testing::TestWithParam<LocaleCase> {};

TEST_P(LocaleSeparators, FollowTheDecimalPoint) {
    const Separators s = localeSeparators(QLocale(GetParam().language, GetParam().territory));
    EXPECT_EQ(s.decimal, GetParam().decimal);
    EXPECT_EQ(s.list, GetParam().list);
}

INSTANTIATE_TEST_SUITE_P(
    Locales, LocaleSeparators,
    ::testing::Values(LocaleCase{"German", QLocale::German, QLocale::Germany, ',', ';'},
                      LocaleCase{"English", QLocale::English, QLocale::UnitedStates, '.', ','},
                      LocaleCase{"Unchosen", QLocale::C, QLocale::AnyTerritory, '.', ';'},
                      // Arabic in Egypt writes U+066B, which an 8-bit table cannot hold.
                      LocaleCase{"PointOutsideAscii", QLocale::Arabic, QLocale::Egypt, '.', ';'}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace tiebreak
