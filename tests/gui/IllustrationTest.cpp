#include "drawing/Illustration.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <set>

namespace kovex::test {
namespace {

using PaintFunction = void (*)(QPainter&, const QRect&);

struct Picture {
    const char* name;
    PaintFunction paint;
};

void PrintTo(const Picture& picture, std::ostream* out) {
    *out << picture.name;
}

class IllustrationTest : public testing::TestWithParam<Picture> {};

// A picture fills its whole area, whatever the proportions, and stays inside
// it: a frame drawn around the area survives the painting.
TEST_P(IllustrationTest, FillsItsAreaAndStaysInside) {
    for (const QSize size : {QSize(400, 300), QSize(640, 240), QSize(200, 400)}) {
        QImage image(size + QSize(20, 20), QImage::Format_RGB32);
        image.fill(Qt::magenta);
        {
            QPainter painter(&image);
            GetParam().paint(painter, QRect(QPoint(10, 10), size));
        }
        std::set<QRgb> colours;
        for (int y = 10; y < 10 + size.height(); y += 3)
            for (int x = 10; x < 10 + size.width(); x += 3) {
                ASSERT_NE(image.pixel(x, y), QColor(Qt::magenta).rgb()) << x << "," << y;
                colours.insert(image.pixel(x, y));
            }
        EXPECT_GT(colours.size(), 20u);
        EXPECT_EQ(image.pixel(5, 5), QColor(Qt::magenta).rgb());
        EXPECT_EQ(image.pixel(image.width() - 5, image.height() - 5), QColor(Qt::magenta).rgb());
    }
}

INSTANTIATE_TEST_SUITE_P(Pages, IllustrationTest,
                         testing::Values(Picture{"Start", illustration::paintStart},
                                         Picture{"Power", illustration::paintPower},
                                         Picture{"Antenna", illustration::paintAntenna}),
                         [](const testing::TestParamInfo<Picture>& picture) { return picture.param.name; });

} // namespace
} // namespace kovex::test
