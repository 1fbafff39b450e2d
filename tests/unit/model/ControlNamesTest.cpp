#include "model/ControlNames.h"
#include "model/DrawingForm.h"
#include "model/MainForm.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <thread>

namespace kovex {
namespace {

// Every member of a family of numbered controls is a control of the main
// window, and a number past the family names none.
TEST(ControlNames, FamiliesSpanTheirControlsExactly) {
    const MainForm form;
    for (const ControlSlots& family :
         {ui::dblFeeder, ui::edtLengthF, ui::lblLoss, ui::dbeAs, ui::edtD, ui::edtH, ui::edtLocation,
          ui::cmbSA, ui::lblkAS, ui::edtE, ui::lblLevel, ui::edtCheckE, ui::lblNearField, ui::chkTogether,
          ui::edtRatio, ui::mnuRecentCase}) {
        for (int k = 1; k <= family.count; ++k)
            EXPECT_TRUE(form.hasControl(family[k])) << family[k].toStdString();
        EXPECT_FALSE(form.hasControl(QString(family.stem()) + QString::number(family.count + 1)));
        EXPECT_THROW(family[family.count + 1], std::logic_error);
        EXPECT_THROW(family[0], std::logic_error);
    }
}

TEST(ControlNames, BothWindowsAddAndFindTheirControlsAlike) {
    MainForm main;
    DrawingForm drawing;
    EXPECT_EQ(main.ctl(ui::edtCallsign).name, QStringLiteral("edtCallsign"));
    EXPECT_EQ(drawing.ctl(ui::btnReturn).name, QStringLiteral("btnReturn"));
    EXPECT_FALSE(main.hasControl(ui::btnReturn));
    EXPECT_FALSE(drawing.hasControl(ui::edtCallsign));
    EXPECT_THROW(drawing.ctl(QStringLiteral("btnNoSuchButton")), std::logic_error);
    EXPECT_EQ(drawing.controlNames().front(), QStringLiteral("TForm2"));
    EXPECT_TRUE(main.hasControl(ui::mnuFile));
}

// A name's text is made once in each thread, and the same in all.
TEST(ControlNames, NamesReadTheSameInEveryThread) {
    EXPECT_EQ(QString(ui::edtCallsign), QStringLiteral("edtCallsign"));
    EXPECT_EQ(ui::edtE[12], QStringLiteral("edtE12"));
    EXPECT_EQ(slotNameText("edtE", 40), QStringLiteral("edtE40"));
    EXPECT_TRUE(nameText(nullptr).isNull());
    QString inOtherThread;
    std::thread([&] { inOtherThread = ui::edtE[3] + QString(ui::edtCallsign); }).join();
    EXPECT_EQ(inOtherThread, QStringLiteral("edtE3edtCallsign"));
}

// The table's page of every control is the page whose tab comes before it.
TEST(ControlNames, EveryControlLiesOnThePageBeforeIt) {
    const MainForm form;
    int page = -1;
    for (const QString& name : form.controlNames()) {
        const Control& control = form.ctl(name);
        if (control.kind == ControlKind::Page && name.startsWith(QStringLiteral("TabSheet")))
            ++page;
        EXPECT_EQ(control.page, page) << name.toStdString();
    }
    EXPECT_EQ(page, 5);
    EXPECT_EQ(form.ctl(ui::edtE[12]).page, 3);
}

} // namespace
} // namespace kovex
