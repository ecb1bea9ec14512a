// The Qt front end's wiring, once: the advanced dialog, shown through its view, follows the
// enabling rules as the user picks items, and OK hands back what he left in it. The rules
// themselves are tested in the application's tests.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include "gui/qt_views.h"

namespace tiebreak {
namespace {

struct NoFiles : InputFileView {
    std::optional<ChosenFile> choose(std::string_view) override { return std::nullopt; }
};

template <typename Widget>
Widget* child(const QWidget* parent, const char* name) {
    auto* found = parent->findChild<Widget*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// Acts on the next modal window as soon as it is shown.
void whenModal(std::function<void(QWidget*)> act) {
    QTimer::singleShot(0, [act = std::move(act)] {
        if (QWidget* modal = QApplication::activeModalWidget())
            act(modal);
        else
            whenModal(act);
    });
}

TEST(QtAdvancedOptionsView, FollowsTheRulesAndReturnsTheValues) {
    whenModal([](QWidget* dialog) {
        auto* modification = child<QComboBox>(dialog, "modificationBox2");
        child<QComboBox>(dialog, "methodBox2")->setCurrentIndex(1);
        EXPECT_TRUE(modification->isEnabled());
        modification->setCurrentIndex(1);
        EXPECT_TRUE(child<QLineEdit>(dialog, "worstEdit2")->isEnabled());
        child<QComboBox>(dialog, "methodBox3")->setCurrentIndex(0);
        child<QComboBox>(dialog, "methodBox3")->setCurrentIndex(2);  // "<delete>"
        EXPECT_FALSE(child<QComboBox>(dialog, "modificationBox3")->isEnabled());
        child<QLineEdit>(dialog, "fileEdit")->setText("/t/cross.txt");
        child<QPushButton>(dialog, "okButton")->click();
    });
    NoFiles files;
    QtAdvancedOptionsView view(files);
    AdvancedDialogValues values;
    ASSERT_EQ(view.show(values), DialogOk);
    EXPECT_EQ(values.inputFile, "/t/cross.txt");
    EXPECT_EQ(values.methodIndex, (std::array<int, 4>{0, 1, -1, -1}));
    EXPECT_EQ(values.modificationIndex, (std::array<int, 4>{0, 1, -1, -1}));
}

}  // namespace
}  // namespace tiebreak
