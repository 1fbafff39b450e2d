#include "ViewFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

namespace kovex::test {
namespace {

// What the forms must hold: a widget of the right class for every control of
// both window models, and the caption of every labelled edit as its buddy.
TEST_F(ViewTest, EveryControlOfBothWindowsHasAWidgetOfItsKind) {
    for (const QString& name : program.mainForm.controlNames()) {
        const QWidget* shown = window->controlWidget(name);
        ASSERT_NE(shown, nullptr) << name.toStdString();
        EXPECT_TRUE(widgetFits(program.mainForm.ctl(name).kind, *shown)) << name.toStdString();
    }
    for (const QString& name : program.drawingForm.controlNames()) {
        const Control& control = program.drawingForm.ctl(name);
        const QWidget* shown = window->controlWidget(name);
        ASSERT_NE(shown, nullptr) << name.toStdString();
        EXPECT_TRUE(widgetFits(control.kind, *shown)) << name.toStdString();
    }
    EXPECT_NE(qobject_cast<QTabWidget*>(window->controlWidget("PageControl1")), nullptr);
    EXPECT_TRUE(widget<QComboBox>("cmbSA7")->isEditable());
    EXPECT_TRUE(widget<QComboBox>("cmbPolarization")->isEditable());
    EXPECT_FALSE(widget<QComboBox>("cmbFrequency")->isEditable());
}

TEST_F(ViewTest, LabelledEditsCarryTheModelCaptionsInTheirBuddyLabels) {
    int labelled = 0;
    const QList<QLabel*> labels = window->findChildren<QLabel*>();
    for (const QString& name : program.mainForm.controlNames()) {
        const Control& control = program.mainForm.ctl(name);
        if (control.label.isEmpty())
            continue;
        ++labelled;
        const QWidget* edit = window->controlWidget(name);
        const auto caption =
            std::find_if(labels.begin(), labels.end(), [&](QLabel* l) { return l->buddy() == edit; });
        ASSERT_NE(caption, labels.end()) << name.toStdString();
        EXPECT_EQ((*caption)->text(), control.label) << name.toStdString();
    }
    EXPECT_GT(labelled, 35);
}

// Start-up and the first show have run; the widgets show what they left.
TEST_F(ViewTest, WindowShowsTheModelAfterStartUp) {
    EXPECT_EQ(window->windowTitle(), "KOVEX calculation from the VEK[*]");
    EXPECT_EQ(widget<QLabel>("lblVersion")->text(), program.mainForm.text("lblVersion"));
    EXPECT_EQ(widget<QLineEdit>("edtAddLoss")->text(), program.mainForm.text("edtAddLoss"));
    EXPECT_EQ(widget<QPushButton>("btnSaveMDB")->text(), program.mainForm.text("btnSaveMDB"));
    EXPECT_EQ(widget<QComboBox>("cmbMode")->currentIndex(), program.mainForm.itemIndex("cmbMode"));
    EXPECT_EQ(widget<QComboBox>("dblFeeder2")->count(), program.mainForm.ctl("dblFeeder2").items.size());
    EXPECT_EQ(widget<QComboBox>("cmbPolarization")->currentText(), "H");
    EXPECT_TRUE(widget<QLineEdit>("edtLONdeg")->isHidden());
    EXPECT_FALSE(widget<QLineEdit>("edtLambertX")->isHidden());
    EXPECT_TRUE(widget<QLineEdit>("edtOtherOperator")->isHidden());
    EXPECT_EQ(widget<QLabel>("lblStep1")->text().count('\r'), 0);
    auto* tabs = widget<QTabWidget>("PageControl1");
    EXPECT_EQ(tabs->tabText(1), program.mainForm.text("TabSheet2"));
    EXPECT_EQ(tabs->currentIndex(), program.mainForm.activePage());
}

TEST_F(ViewTest, RefreshShowsTextsColoursBoldnessAndVisibility) {
    Control& level = program.mainForm.ctl("lblLevel3");
    level.text = "80% < E field < 100 % (11.0 V/m)";
    level.color = kBlue;
    level.bold = false;
    program.mainForm.setText("edtE4", "12.3");
    program.mainForm.ctl("edtE4").color = kRed;
    program.mainForm.setVisible("edtOtherOperator", true);
    program.mainForm.setVisible("edtLambertY", false);
    program.mainForm.ctl("gpbTilt").text = " Step 4 : Tilt (changed) ";
    window->refresh();

    auto* label = widget<QLabel>("lblLevel3");
    EXPECT_EQ(label->text(), level.text);
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::blue));
    EXPECT_FALSE(label->font().bold());
    auto* field = widget<QLineEdit>("edtE4");
    EXPECT_EQ(field->text(), "12.3");
    EXPECT_EQ(field->palette().color(QPalette::Text), QColor(Qt::red));
    EXPECT_FALSE(widget<QLineEdit>("edtOtherOperator")->isHidden());
    EXPECT_TRUE(widget<QLineEdit>("edtLambertY")->isHidden());
    EXPECT_EQ(widget<QGroupBox>("gpbTilt")->title(), " Step 4 : Tilt (changed) ");

    program.mainForm.ctl("edtE4").color = kBlack;
    window->refresh();
    EXPECT_NE(field->palette().color(QPalette::Text), QColor(Qt::red));
}

TEST_F(ViewTest, HiddenEditTakesItsCaptionAlong) {
    program.mainForm.setVisible("edtLONdeg", true);
    window->refresh();
    auto* edit = widget<QLineEdit>("edtLONdeg");
    const auto labels = window->findChildren<QLabel*>();
    const auto caption =
        std::find_if(labels.begin(), labels.end(), [&](QLabel* l) { return l->buddy() == edit; });
    ASSERT_NE(caption, labels.end());
    EXPECT_FALSE((*caption)->isHidden());
    program.mainForm.setVisible("edtLONdeg", false);
    window->refresh();
    EXPECT_TRUE((*caption)->isHidden());
}

// The program toggles a check box itself; the widget's own toggle must not
// count a second time.
TEST_F(ViewTest, ClickOnACheckBoxTogglesItOnce) {
    auto* tilt = widget<QCheckBox>("chkTilt");
    widget<QTabWidget>("PageControl1")->setCurrentIndex(2);
    QTest::mouseClick(tilt, Qt::LeftButton, {}, QPoint(8, tilt->height() / 2));
    EXPECT_TRUE(program.mainForm.checked("chkTilt"));
    EXPECT_TRUE(tilt->isChecked());
    QTest::mouseClick(tilt, Qt::LeftButton, {}, QPoint(8, tilt->height() / 2));
    EXPECT_FALSE(program.mainForm.checked("chkTilt"));
    EXPECT_FALSE(tilt->isChecked());
}

TEST_F(ViewTest, ClickOnAButtonRunsItsHandler) {
    fake.dialogs.shown.clear();
    QTest::mouseClick(widget<QPushButton>("btnGeneralHelp"), Qt::LeftButton);
    ASSERT_EQ(fake.dialogs.shown.size(), 1);
    EXPECT_EQ(fake.dialogs.shown[0].kind, "information");
}

TEST_F(ViewTest, ClickOnARadioButtonChecksItInTheModel) {
    widget<QTabWidget>("PageControl1")->setCurrentIndex(5);
    auto* wgs84 = widget<QRadioButton>("rdbWGS84");
    QTest::mouseClick(wgs84, Qt::LeftButton, {}, QPoint(8, wgs84->height() / 2));
    EXPECT_TRUE(program.mainForm.checked("rdbWGS84"));
    EXPECT_EQ(wgs84->isChecked(), program.mainForm.checked("rdbWGS84"));
    EXPECT_EQ(widget<QRadioButton>("rdbLambert")->isChecked(), program.mainForm.checked("rdbLambert"));
}

TEST_F(ViewTest, PickingAHelpLanguageSelectsItAndTheCorrespondenceLanguage) {
    auto* german = window->controlWidget("rdgLanguage")->findChild<QRadioButton*>("rdgLanguageItem2");
    ASSERT_NE(german, nullptr);
    QTest::mouseClick(german, Qt::LeftButton, {}, QPoint(8, german->height() / 2));
    EXPECT_EQ(program.mainForm.itemIndex("rdgLanguage"), 2);
    EXPECT_TRUE(german->isChecked());
    EXPECT_EQ(widget<QComboBox>("cmbLanguage")->currentText(), "Deutsch");
    const auto radios = window->controlWidget("rdgLanguage")->findChildren<QRadioButton*>();
    EXPECT_EQ(std::count_if(radios.begin(), radios.end(), [](QRadioButton* r) { return r->isChecked(); }), 1);
}

TEST_F(ViewTest, TypedTextAndPicksReachTheModel) {
    widget<QTabWidget>("PageControl1")->setCurrentIndex(1);
    auto* power = widget<QLineEdit>("edtOutputPower");
    power->selectAll();
    QTest::keyClicks(power, "400");
    EXPECT_EQ(program.mainForm.text("edtOutputPower"), "400");

    auto* band = widget<QComboBox>("cmbFrequency");
    emit band->activated(8);
    EXPECT_EQ(program.mainForm.itemIndex("cmbFrequency"), 8);
    EXPECT_EQ(band->currentIndex(), 8);

    widget<QTabWidget>("PageControl1")->setCurrentIndex(3);
    auto* wall = widget<QComboBox>("cmbSA2");
    wall->lineEdit()->clear();
    QTest::keyClicks(wall->lineEdit(), "brick wall");
    EXPECT_EQ(program.mainForm.itemIndex("cmbSA2"), 1);
    EXPECT_EQ(widget<QLabel>("lblkAS2")->text(), program.mainForm.text("lblkAS2"));

    // Text that names no item stays as typed, cursor included.
    wall->lineEdit()->clear();
    QTest::keyClicks(wall->lineEdit(), "glas");
    wall->lineEdit()->setCursorPosition(2);
    QTest::keyClicks(wall->lineEdit(), "x");
    EXPECT_EQ(wall->currentText(), "glxas");
    EXPECT_EQ(wall->lineEdit()->cursorPosition(), 3);
    EXPECT_EQ(program.mainForm.text("cmbSA2"), "glxas");
    EXPECT_EQ(program.mainForm.itemIndex("cmbSA2"), -1);
}

// Text fields are free text of any length: no widget shortens a text of the
// model, nor stops the user's typing at its own limit.
TEST_F(ViewTest, EditsShowAndTakeTextsOfAnyLength) {
    const QString note(40000, QLatin1Char('n'));
    program.mainForm.setText("edtName", note);
    program.mainForm.setText("cmbSA2", note);
    window->refresh();
    EXPECT_EQ(widget<QLineEdit>("edtName")->text(), note);
    EXPECT_EQ(widget<QComboBox>("cmbSA2")->currentText(), note);
    widget<QTabWidget>("PageControl1")->setCurrentIndex(5);
    auto* name = widget<QLineEdit>("edtName");
    name->setCursorPosition(static_cast<int>(note.size()));
    QTest::keyClicks(name, "x");
    EXPECT_EQ(program.mainForm.text("edtName"), note + "x");
}

TEST_F(ViewTest, FocusEnteringAndLeavingAnEditReachTheProgram) {
    QStringList seen;
    program.events.bind("edtName", Event::Enter, [&](Session&) { seen << "enter edtName"; });
    program.events.bind("edtName", Event::Exit, [&](Session&) { seen << "exit edtName"; });
    widget<QTabWidget>("PageControl1")->setCurrentIndex(5);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    widget<QLineEdit>("edtName")->setFocus(Qt::MouseFocusReason);
    widget<QLineEdit>("edtCity")->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(seen, QStringList({"enter edtName", "exit edtName"}));
}

// Leaving a page leaves its focused edit first; the page change that
// caused it still wins.
TEST_F(ViewTest, TabChangeLeavesTheFocusedEditAndShowsTheNewPage) {
    int exits = 0;
    program.events.bind("edtLengthF1", Event::Exit, [&](Session&) { ++exits; });
    auto* tabs = widget<QTabWidget>("PageControl1");
    tabs->setCurrentIndex(1);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    widget<QLineEdit>("edtLengthF1")->setFocus(Qt::MouseFocusReason);
    tabs->setCurrentIndex(2);
    EXPECT_EQ(exits, 1);
    EXPECT_EQ(tabs->currentIndex(), 2);
    EXPECT_EQ(program.mainForm.activePage(), 2);
    EXPECT_EQ(widget<QLabel>("lblAntennaNr")->text(), "Characteristics of my Antenna n° 1");
}

TEST_F(ViewTest, UserTabChangeShowsThePageThroughTheProgram) {
    widget<QTabWidget>("PageControl1")->setCurrentIndex(1);
    EXPECT_EQ(program.mainForm.activePage(), 1);
    EXPECT_EQ(widget<QLabel>("lblPowerAntennaNr")->text(), "Power at the input of my Antenna n° 1");
}

TEST_F(ViewTest, ArrowsOfTheUpDownStepTheAntennaNumber) {
    auto* up = window->controlWidget("UpDown1")->findChild<QToolButton*>("UpDown1Up");
    auto* down = window->controlWidget("UpDown1")->findChild<QToolButton*>("UpDown1Down");
    ASSERT_TRUE(up && down);
    up->click();
    up->click();
    EXPECT_EQ(widget<QLineEdit>("edtAntNr")->text(), "3");
    down->click();
    EXPECT_EQ(program.mainForm.text("edtAntNr"), "2");
}

TEST_F(ViewTest, SummaryGridShowsTheModelCellsAndSizes) {
    auto* table = widget<QTableWidget>("sgdTP");
    const StringGrid& grid = program.mainForm.sgdTP;
    ASSERT_EQ(table->rowCount(), grid.rowCount());
    ASSERT_EQ(table->columnCount(), grid.columnCount());
    EXPECT_EQ(table->item(0, 0)->text(), grid.cell(0, 0));
    EXPECT_EQ(table->item(15, 0)->text(), grid.cell(0, 15));
    EXPECT_EQ(table->rowHeight(14), grid.rowHeight(14));
    EXPECT_EQ(table->columnWidth(11), grid.columnWidth(11));

    program.mainForm.sgdTP.setCell(3, 2, "Dipole");
    window->refresh();
    EXPECT_EQ(table->item(2, 3)->text(), "Dipole");
}

TEST_F(ViewTest, DrawingWindowFollowsTheModelAndReturnHidesIt) {
    DrawingWindow& drawing = window->drawingWindow();
    EXPECT_FALSE(drawing.isVisible());
    program.drawingForm.visible = true;
    window->refresh();
    EXPECT_TRUE(drawing.isVisible());
    EXPECT_EQ(drawing.windowTitle(), program.drawingForm.ctl("TForm2").text);
    EXPECT_EQ(drawing.controlWidget("imgPH")->size(), QSize(1009, 657));

    QTest::mouseClick(qobject_cast<QPushButton*>(drawing.controlWidget("btnReturn")), Qt::LeftButton);
    EXPECT_FALSE(program.drawingForm.visible);
    EXPECT_FALSE(drawing.isVisible());
}

TEST_F(ViewTest, CloseButtonEndsTheWindow) {
    widget<QTabWidget>("PageControl1")->setCurrentIndex(5);
    QTest::mouseClick(widget<QPushButton>("btnClose"), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
}

// The menu items are the model's, with their shortcuts; choosing one runs
// its handler, and the title names the case's file once there is one.
TEST_F(ViewTest, MenuItemsRunTheirHandlersAndTheTitleNamesTheCaseFile) {
    const QString title = window->windowTitle();
    auto* saveAs = window->findChild<QAction*>("mnuSaveCaseAs");
    ASSERT_NE(saveAs, nullptr);
    EXPECT_EQ(saveAs->text(), program.mainForm.text("mnuSaveCaseAs"));
    EXPECT_EQ(window->findChild<QAction*>("mnuOpenCase")->shortcut(), QKeySequence("Ctrl+O"));
    EXPECT_EQ(window->findChild<QAction*>("mnuSaveCase")->shortcut(), QKeySequence("Ctrl+S"));
    EXPECT_EQ(saveAs->shortcut(), QKeySequence("Ctrl+Shift+S"));

    QTemporaryDir folder;
    fake.dialogs.saveResults.push_back(folder.filePath("station"));
    saveAs->trigger();
    EXPECT_TRUE(QFile::exists(folder.filePath("station.kovex")));
    EXPECT_EQ(window->windowTitle(), "station.kovex - " + title);
}

// The window's close box offers unsaved changes for saving as the Close
// button does; a cancelled save keeps the window open.
TEST_F(ViewTest, ClosingWithUnsavedChangesCanBeCancelled) {
    program.type("edtName", "Dupont");
    fake.dialogs.answers.push_back(true);
    window->close();
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(fake.dialogs.texts("question").size(), 1);

    fake.dialogs.answers.push_back(false);
    window->close();
    EXPECT_FALSE(window->isVisible());
}

} // namespace
} // namespace kovex::test
