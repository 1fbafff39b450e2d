#include "gui/QtPlatform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

namespace kovex::test {
namespace {

struct SeenBox {
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

// Answers the next message box with `answer` and notes what it showed.
SeenBox answerNextBox(QMessageBox::StandardButton answer, const std::function<void()>& open) {
    SeenBox seen;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen = {box->text(), box->icon(), box->standardButtons()};
        box->button(answer)->click();
    });
    open();
    return seen;
}

TEST(QtDialogsTest, CarriageReturnsBreakLines) {
    QtDialogs dialogs;
    const SeenBox seen = answerNextBox(QMessageBox::Ok, [&] { dialogs.information("first\rsecond"); });
    EXPECT_EQ(seen.text, "first\nsecond");
    EXPECT_EQ(seen.icon, QMessageBox::Information);
}

TEST(QtDialogsTest, QuestionIsAWarningWithYesAndNo) {
    QtDialogs dialogs;
    bool yes = false;
    SeenBox seen = answerNextBox(QMessageBox::Yes, [&] { yes = dialogs.question("Erase?"); });
    EXPECT_TRUE(yes);
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
    EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No);
    answerNextBox(QMessageBox::No, [&] { yes = dialogs.question("Erase?"); });
    EXPECT_FALSE(yes);
}

TEST(QtDialogsTest, EachBoxHasItsIcon) {
    QtDialogs dialogs;
    EXPECT_EQ(answerNextBox(QMessageBox::Ok, [&] { dialogs.warning("w"); }).icon, QMessageBox::Warning);
    EXPECT_EQ(answerNextBox(QMessageBox::Ok, [&] { dialogs.error("e"); }).icon, QMessageBox::Critical);
    EXPECT_EQ(answerNextBox(QMessageBox::Ok, [&] { dialogs.message("m"); }).icon, QMessageBox::NoIcon);
}

} // namespace
} // namespace kovex::test
