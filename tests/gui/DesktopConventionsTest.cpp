#include "ViewFixture.h"
#include "gui/QtPlatform.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPdfWriter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <map>

namespace kovex::test {
namespace {

// The letter after a single "&" of a caption, lower-cased; none without one.
QChar mnemonicOf(const QString& text) {
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&')
            continue;
        if (text[i + 1] != '&')
            return text[i + 1].toLower();
        ++i;
    }
    return {};
}

// Every Alt letter a user can press on the page shown: the menu bar's, and
// those of the buttons, group titles and labels for an edit on the page.
std::multimap<QChar, QString> mnemonicsInView(QWidget& window, QWidget& page) {
    std::multimap<QChar, QString> letters;
    for (QAction* menu : window.findChild<QMenuBar*>()->actions())
        if (const QChar letter = mnemonicOf(menu->text()); !letter.isNull())
            letters.emplace(letter, "menu " + menu->text());
    for (QWidget* widget : page.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&window))
            continue;
        QString text;
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            text = button->text();
        else if (auto* group = qobject_cast<QGroupBox*>(widget))
            text = group->title();
        else if (auto* label = qobject_cast<QLabel*>(widget); label && label->buddy())
            text = label->text();
        if (const QChar letter = mnemonicOf(text); !letter.isNull())
            letters.emplace(letter, widget->objectName() + " " + text);
    }
    return letters;
}

TEST_F(ViewTest, NoPageShowsTwoControlsWithTheSameAltLetter) {
    auto* tabs = widget<QTabWidget>("PageControl1");
    for (int index = 0; index < tabs->count(); ++index) {
        tabs->setCurrentIndex(index);
        const auto letters = mnemonicsInView(*window, *tabs->widget(index));
        for (auto it = letters.begin(); it != letters.end(); it = letters.upper_bound(it->first)) {
            const auto [first, last] = letters.equal_range(it->first);
            QStringList owners;
            for (auto owner = first; owner != last; ++owner)
                owners << owner->second;
            EXPECT_EQ(owners.size(), 1) << "page " << index << ": " << owners.join(" | ").toStdString();
        }
    }
    // The drawing window, a window of its own without a menu bar.
    std::map<QChar, int> drawingLetters;
    for (QAbstractButton* button : window->drawingWindow().findChildren<QAbstractButton*>()) {
        if (const QChar letter = mnemonicOf(button->text()); !letter.isNull()) {
            EXPECT_EQ(++drawingLetters[letter], 1) << button->text().toStdString();
        }
    }
    EXPECT_EQ(drawingLetters.size(), 3u);
}

// Alt+F on the Test points page computes the fields.
TEST_F(ViewTest, AltLetterOfComputeFieldsComputesOnTheTestPointsPage) {
    widget<QTabWidget>("PageControl1")->setCurrentIndex(3);
    program.type("edtD1", "10");
    program.type("edtH1", "1.5");
    program.type("edtAntennaHeight", "10");
    window->refresh();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    const QChar letter = mnemonicOf(widget<QPushButton>("btnFieldResults")->text());
    QTest::keyClick(window.get(), letter.toLatin1(), Qt::AltModifier);
    // The button shows itself pressed for a moment before it clicks.
    for (int wait = 0; wait < 20 && program.mainForm.text("edtE1").isEmpty(); ++wait)
        QTest::qWait(50);
    EXPECT_FALSE(program.mainForm.text("edtE1").isEmpty());
}

struct SeenBox {
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton escape = QMessageBox::NoButton;
};

// The next message box, closed with the Escape key.
SeenBox escapeNextBox(const std::function<void()>& open) {
    SeenBox seen;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen.buttons = box->standardButtons();
        QTest::keyClick(box, Qt::Key_Escape);
    });
    open();
    return seen;
}

TEST(QtDialogsTest, UnsavedChangesOfferSaveDiscardAndCancelAndEscapeCancels) {
    QtDialogs dialogs;
    SaveChoice choice = SaveChoice::Save;
    const SeenBox seen = escapeNextBox([&] { choice = dialogs.saveDiscardOrCancel("Save?"); });
    EXPECT_EQ(seen.buttons, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    EXPECT_EQ(choice, SaveChoice::Cancel);
}

TEST_F(ViewTest, CancelKeepsTheProgramOpenAndTheCaseAsItIs) {
    program.type("edtName", "Dupont");
    fake.dialogs.choices.push_back(SaveChoice::Cancel);
    window->close();
    EXPECT_TRUE(window->isVisible());
    fake.dialogs.choices.push_back(SaveChoice::Cancel);
    fake.dialogs.openResults.push_back("elsewhere.kovex");
    window->findChild<QAction*>("mnuOpenCase")->trigger();
    EXPECT_EQ(fake.dialogs.openResults.size(), 1u); // no open dialog shown
    EXPECT_EQ(program.mainForm.text("edtName"), "Dupont");
    fake.dialogs.openResults.clear();
    fake.dialogs.choices.push_back(SaveChoice::Discard);
    window->close();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(ViewTest, TitleMarksUnsavedChangesAndTheStatusBarNamesTheWorkingFolder) {
    EXPECT_TRUE(window->windowTitle().contains("[*]"));
    EXPECT_FALSE(window->isWindowModified());
    program.type("edtName", "Dupont");
    window->refresh();
    EXPECT_TRUE(window->isWindowModified());
    auto* folder = window->findChild<QLabel*>("lblWorkingFolder");
    ASSERT_NE(folder, nullptr);
    EXPECT_TRUE(folder->text().contains(QDir::toNativeSeparators(QDir::currentPath())));

    QTemporaryDir saved;
    fake.dialogs.saveResults.push_back(saved.filePath("station"));
    window->findChild<QAction*>("mnuSaveCaseAs")->trigger();
    EXPECT_FALSE(window->isWindowModified());
}

TEST_F(ViewTest, FileMenuHasNewRecentAndQuitAndTheStatusBarNamesSavedFiles) {
    EXPECT_EQ(window->findChild<QAction*>("mnuNewCase")->shortcut(), QKeySequence("Ctrl+N"));
    EXPECT_EQ(window->findChild<QAction*>("mnuQuit")->shortcut(), QKeySequence("Ctrl+Q"));
    auto* recentMenu = window->findChild<QMenu*>("mnuOpenRecent");
    ASSERT_NE(recentMenu, nullptr);
    EXPECT_FALSE(recentMenu->isEnabled());

    QTemporaryDir saved;
    program.type("edtName", "Dupont");
    fake.dialogs.saveResults.push_back(saved.filePath("station"));
    window->findChild<QAction*>("mnuSaveCaseAs")->trigger();
    const QString path = saved.filePath("station.kovex");
    EXPECT_TRUE(window->findChild<QStatusBar*>()->currentMessage().contains(QDir::toNativeSeparators(path)));
    EXPECT_EQ(fake.settings.recent, QStringList{path});
    EXPECT_TRUE(recentMenu->isEnabled());
    QAction* first = window->findChild<QAction*>("mnuRecentCase1");
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    EXPECT_FALSE(window->findChild<QAction*>("mnuRecentCase2")->isVisible());

    // a new case after discarding the change, then the saved one again
    program.type("edtName", "Martin");
    fake.dialogs.choices.push_back(SaveChoice::Discard);
    window->findChild<QAction*>("mnuNewCase")->trigger();
    EXPECT_EQ(widget<QLineEdit>("edtName")->text(), "");
    EXPECT_FALSE(window->isWindowModified());
    first->trigger();
    EXPECT_EQ(widget<QLineEdit>("edtName")->text(), "Dupont");

    window->findChild<QAction*>("mnuQuit")->trigger();
    EXPECT_FALSE(window->isVisible());
}

// The settings of the tests go to a file of their own.
TEST(QtSettingsTest, RecentCasesAreKeptInTheSettingsFile) {
    QTemporaryDir folder;
    const QString file = folder.filePath("kovex.ini");
    QtSettings(file).setRecentCases({"/a/one.kovex", "/b/two.kovex"});
    EXPECT_EQ(QtSettings(file).recentCases(), QStringList({"/a/one.kovex", "/b/two.kovex"}));
    EXPECT_TRUE(QFile::exists(file));
}

TEST_F(ViewTest, ResultsOfChangedInputsAreGreyedUntilTheNextComputation) {
    program.type("edtD1", "10");
    program.type("edtH1", "1.5");
    program.type("edtAntennaHeight", "10");
    auto* field = widget<QLineEdit>("edtE1");
    auto* eirp = widget<QLabel>("lblEIRP");
    const QColor grey = field->palette().color(QPalette::Disabled, QPalette::Text);
    const QColor labelGrey = eirp->palette().color(QPalette::Disabled, QPalette::WindowText);
    program.click("btnFieldResults");
    window->refresh();
    const QString shown = field->text();
    EXPECT_NE(field->palette().color(QPalette::Text), grey);

    program.type("edtD1", "12"); // a test point: the fields only
    window->refresh();
    EXPECT_EQ(field->palette().color(QPalette::Text), grey);
    EXPECT_EQ(field->text(), shown);
    EXPECT_NE(eirp->palette().color(QPalette::WindowText), labelGrey);
    program.type("edtOutputPower", "50"); // the power: the antenna results too
    window->refresh();
    EXPECT_EQ(eirp->palette().color(QPalette::WindowText), labelGrey);

    QTest::mouseClick(widget<QPushButton>("btnFieldResults"), Qt::LeftButton);
    EXPECT_NE(field->palette().color(QPalette::Text), grey);
    EXPECT_NE(eirp->palette().color(QPalette::WindowText), labelGrey);
}

TEST_F(ViewTest, ANumberThatFailsToConvertGetsTheFocusWithItsTextSelected) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    program.type("edtAntennaHeight", "1O");
    auto* tabs = widget<QTabWidget>("PageControl1");
    tabs->setCurrentIndex(3);
    QTest::mouseClick(widget<QPushButton>("btnFieldResults"), Qt::LeftButton);
    ASSERT_EQ(fake.dialogs.texts("error"), QStringList{"'1O' is not a valid floating point value"});
    auto* height = widget<QLineEdit>("edtAntennaHeight");
    EXPECT_EQ(tabs->currentIndex(), 2);
    EXPECT_EQ(QApplication::focusWidget(), height);
    EXPECT_EQ(height->selectedText(), "1O");
}

// A printer that is not installed, whose page set-up dialog is confirmed.
class AbsentPrinter : public QtPrinter {
  public:
    bool installed() const override { return false; }
    bool pageSetupDialog() override { return true; }
};

TEST(PrintWithoutPrinter, ThePageGoesIntoThePdfFileChosenInLandscape) {
    QTemporaryDir folder;
    AbsentPrinter printer;
    FakePlatform fake;
    Program program({fake.dialogs, fake.clock, fake.locale, printer, fake.cursor, &fake.settings});
    program.drawingForm.imgPH = QImage(1009, 657, QImage::Format_RGB32);
    program.drawingForm.imgPH.fill(Qt::blue);
    const QString pdf = folder.filePath("ON4XYZ_1.pdf");
    fake.dialogs.saveResults.push_back(pdf);
    program.mainForm.setText("edtCallsign", "ON4XYZ");
    program.click("btnPrintDrawing");
    ASSERT_EQ(fake.dialogs.suggestions.size(), 1);
    EXPECT_EQ(fake.dialogs.suggestions[0], QDir::current().filePath("ON4XYZ_1.pdf"));
    EXPECT_TRUE(fake.dialogs.shown.empty()) << fake.dialogs.shown.front().text.toStdString();
    ASSERT_TRUE(QFile::exists(pdf));
    QProcess info;
    info.start(QStandardPaths::findExecutable("pdfinfo"), {pdf});
    info.waitForFinished();
    const QString out = QString::fromLocal8Bit(info.readAllStandardOutput());
    const QRegularExpression size("Page size:\\s+([0-9.]+) x ([0-9.]+)");
    const auto match = size.match(out);
    ASSERT_TRUE(match.hasMatch()) << out.toStdString();
    EXPECT_GT(match.captured(1).toDouble(), match.captured(2).toDouble()); // landscape
    EXPECT_TRUE(program.mainForm.statusMessage.contains(pdf));

    fake.dialogs.saveResults.push_back(folder.filePath("no such folder/x.pdf"));
    program.click("btnPrintDrawing");
    EXPECT_EQ(fake.dialogs.texts("error"), QStringList{"There is no printer installed"});
}

} // namespace
} // namespace kovex::test
