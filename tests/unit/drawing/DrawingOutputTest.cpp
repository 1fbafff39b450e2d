#include "drawing/DrawingHandlers.h"
#include "drawing/PictureOutput.h"

#include "FakePlatform.h"
#include "app/Program.h"
#include "model/ListTables.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace kovex;

namespace {

// A program whose case was computed: 100 W, limit 28 V/m, an isotropic
// antenna 10 m high and two test points; it works in a folder of its own.
class DrawingOutput : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        previous = QDir::currentPath();
        QDir::setCurrent(folder.path());
        MainForm& f = program.mainForm;
        f.values.InputPowerW = 100;
        f.values.FieldLimitVm = 28;
        f.values.AntennaHeightM = 10;
        f.values.MaxTestPointHeightM = 10;
        f.values.MaxTestPointDistanceM = 20;
        for (int angle = 0; angle <= 90; angle += 10)
            f.setText(QStringLiteral("dbeV%1").arg(angle, 2, 10, QLatin1Char('0')), "0");
        f.setText("edtD1", "20");
        f.setText("edtH1", "2");
        f.setText("edtE1", " 1.00");
        f.setText("edtD7", "8");
        f.setText("edtH7", "4");
        f.setText("edtE7", " 2.00");
        f.setText("edtOutputPower", "150");
        f.setText("edtCallsign", "ON4XX");
        f.setText("edtAntNr", "2");
        f.values.DrawingAntennaNumber = 1;
        fake.clock.current = QDateTime(QDate(2026, 12, 7), QTime(21, 5));
    }

    void TearDown() override { QDir::setCurrent(previous); }

    std::vector<std::string> shownBoxes() const {
        std::vector<std::string> boxes;
        for (const test::ShownMessage& box : fake.dialogs.shown)
            boxes.push_back((box.kind + ": " + box.text).toStdString());
        return boxes;
    }

    test::FakePlatform fake;
    Program program{fake.platform()};
    QTemporaryDir folder;
    QString previous;
};

quint32 le32(const QByteArray& bytes, int offset) {
    return qFromLittleEndian<quint32>(bytes.constData() + offset);
}

} // namespace

// The filled slots from the last to the first, the wall of each, and the
// date and time in the user's short formats.
TEST_F(DrawingOutput, ReadsThePictureFromTheCase) {
    program.mainForm.setItemIndex("cmbSA7", 1);
    const ZonePictureInput in = zonePictureInput(program);
    ASSERT_EQ(in.testPoints.size(), 2u);
    EXPECT_EQ(in.testPoints[0].number, 7);
    EXPECT_TRUE(in.testPoints[0].behindWall);
    EXPECT_EQ(in.testPoints[0].fieldText, " 2.00");
    EXPECT_EQ(in.testPoints[1].number, 1);
    EXPECT_EQ(in.testPoints[1].distanceM, 20);
    EXPECT_EQ(in.dateTime, "07/12/2026 21:05 (version 1.1 - 12/12/05)");
    fake.locale.name = "en_US";
    EXPECT_EQ(zonePictureInput(program).dateTime, "12/7/26 9:05 PM (version 1.1 - 12/12/05)");
}

TEST_F(DrawingOutput, APatternValueThatIsNoNumberStopsTheDrawing) {
    program.mainForm.setText("dbeV40", "");
    program.drawingForm.visible = true;
    EXPECT_FALSE(program.guarded([&] { DrawingFormShow(program); }));
    EXPECT_EQ(shownBoxes(), std::vector<std::string>{"error: '' is not a valid floating point value"});
    EXPECT_TRUE(program.drawingForm.imgPH.isNull());
}

// Nothing is drawn without an input power or a limit, and saving then says
// so instead of writing an empty picture.
TEST_F(DrawingOutput, NothingDrawnWithoutPowerOrLimit) {
    program.mainForm.values.FieldLimitVm = 0;
    DrawingFormShow(program);
    EXPECT_TRUE(program.drawingForm.imgPH.isNull());
    program.click("btnSaveDrawing");
    EXPECT_EQ(shownBoxes(), std::vector<std::string>{"information: " + kNoDrawingYet.toStdString()});
    EXPECT_TRUE(QDir().entryList(QDir::Files).isEmpty());
}

// A Windows bitmap of 24 bits per pixel despite its name, written under the
// busy cursor.
TEST_F(DrawingOutput, SavedFileIsA24BitBitmap) {
    DrawingFormShow(program);
    program.click("btnSaveDrawing");
    EXPECT_EQ(shownBoxes(), std::vector<std::string>{"information: ON4XX_2.jpeg saved !"});
    EXPECT_EQ(fake.cursor.shown, 1);
    EXPECT_EQ(fake.cursor.busy, 0);
    QFile file("ON4XX_2.jpeg");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_GE(bytes.size(), 54);
    EXPECT_EQ(bytes.left(2), "BM");
    EXPECT_EQ(le32(bytes, 2), quint32(bytes.size()));
    EXPECT_EQ(le32(bytes, 18), 1009u);
    EXPECT_EQ(le32(bytes, 22), 657u);
    EXPECT_EQ(qFromLittleEndian<quint16>(bytes.constData() + 28), 24);
    EXPECT_EQ(le32(bytes, 30), 0u); // uncompressed
    EXPECT_EQ(bytes.size(), 54 + 3028 * 657);
    EXPECT_EQ(QImage("ON4XX_2.jpeg", "BMP"), program.drawingForm.imgPH);
}

// A file that cannot be written is an error; the cursor comes back all the
// same and nothing claims the save.
TEST_F(DrawingOutput, FailedSaveRestoresTheCursor) {
    DrawingFormShow(program);
    ASSERT_TRUE(QDir().mkdir("ON4XX_2.jpeg"));
    program.click("btnSaveDrawing");
    EXPECT_EQ(shownBoxes(), std::vector<std::string>{"error: File access denied"});
    EXPECT_EQ(fake.cursor.busy, 0);
    EXPECT_TRUE(QFileInfo("ON4XX_2.jpeg").isDir());
}

// The footnote belongs to the window: once a bracketed label was drawn it is
// written on every later drawing of the run.
TEST_F(DrawingOutput, FootnoteStaysForTheRun) {
    // The second line of the footnote: the distance labels share the rows of
    // the first when nothing lies below ground.
    const auto footnoteInk = [&] {
        const QImage& image = program.drawingForm.imgPH;
        int dark = 0;
        for (int y = 644; y < 656; ++y)
            for (int x = 40; x < 540; ++x)
                dark += qGray(image.pixel(x, y)) < 128;
        return dark;
    };
    DrawingFormShow(program);
    EXPECT_EQ(footnoteInk(), 0);
    program.mainForm.setItemIndex("cmbSA1", 2);
    DrawingFormShow(program);
    EXPECT_GT(footnoteInk(), 50);
    program.mainForm.setItemIndex("cmbSA1", kNoWallType);
    DrawingFormShow(program);
    EXPECT_TRUE(program.drawingForm.BracketNoteFlag);
    EXPECT_GT(footnoteInk(), 50);
}
