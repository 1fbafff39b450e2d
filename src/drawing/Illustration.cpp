#include "drawing/Illustration.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRect>
#include <algorithm>

namespace kovex::illustration {

namespace {

// The scene is drawn on a canvas of 400 x 300 units, ground level at 240,
// scaled to fit the area and centred in it.
constexpr double kCanvasWidth = 400;
constexpr double kCanvasHeight = 300;
constexpr double kGroundY = 240;
constexpr QPointF kAntenna{232, 70};

const QColor kInk{0x33, 0x36, 0x3b};
const QColor kFeeder{0xe0, 0x7b, 0x00};

struct Emphasis {
    bool transmitter = false;
    bool antenna = false;
    bool neighbourhood = false;
};

// Sky and ground fill the whole area, whatever its proportions; the scene
// itself keeps its own.
void paintBackground(QPainter& p, const QRect& area, double groundY) {
    QLinearGradient sky(area.topLeft(), QPointF(area.left(), groundY));
    sky.setColorAt(0, QColor(0xcf, 0xe6, 0xf7));
    sky.setColorAt(1, QColor(0xf4, 0xf9, 0xfd));
    p.fillRect(QRectF(area.left(), area.top(), area.width(), groundY - area.top()), sky);
    p.fillRect(QRectF(area.left(), groundY, area.width(), area.bottom() - groundY + 1),
               QColor(0x9c, 0xc7, 0x7a));
    p.setPen(QPen(QColor(0x6f, 0x9a, 0x52), 2));
    p.drawLine(QPointF(area.left(), groundY), QPointF(area.right() + 1, groundY));
}

void paintHouse(QPainter& p, double left, double width, double height, bool withShack, bool stressed) {
    const double top = kGroundY - height;
    p.setPen(QPen(QColor(0x6b, 0x5b, 0x45), 1.5));
    p.setBrush(QColor(0xf1, 0xe3, 0xc6));
    p.drawRect(QRectF(left, top, width, height));
    p.setBrush(QColor(0xb5, 0x52, 0x3b));
    p.drawPolygon(QPolygonF({QPointF(left - 10, top), QPointF(left + width / 2, top - height * 0.7),
                             QPointF(left + width + 10, top)}));
    p.setBrush(QColor(0x8a, 0x5a, 0x3c));
    p.drawRect(QRectF(left + width * 0.1, kGroundY - 40, width * 0.2, 40));
    p.setBrush(QColor(0xdd, 0xee, 0xf8));
    const QRectF window(left + width * 0.47, top + 12, width * 0.42, std::min(32.0, height * 0.45));
    p.drawRect(window);
    if (!withShack)
        return;
    // The shack behind the window: a transceiver on its table.
    p.setPen(QPen(stressed ? kFeeder : kInk, stressed ? 2.5 : 1.2));
    p.setBrush(QColor(0x4a, 0x4f, 0x57));
    const QRectF set(window.left() + 6, window.top() + 14, 34, 14);
    p.drawRoundedRect(set, 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x9f, 0xe0, 0xff));
    p.drawRect(QRectF(set.left() + 3, set.top() + 3, 14, 5));
    p.setBrush(QColor(0xd0, 0xd4, 0xd9));
    p.drawEllipse(QPointF(set.right() - 8, set.center().y()), 4, 4);
}

void paintTree(QPainter& p, double x) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x7a, 0x55, 0x35));
    p.drawRect(QRectF(x - 3, kGroundY - 30, 6, 30));
    p.setBrush(QColor(0x5e, 0x9e, 0x4a));
    p.drawEllipse(QPointF(x, kGroundY - 44), 18, 22);
}

void paintMast(QPainter& p) {
    const double left = kAntenna.x() - 4;
    const double right = kAntenna.x() + 4;
    p.setPen(QPen(QColor(0x7a, 0x7f, 0x87), 1.5));
    p.drawLine(QPointF(left, kGroundY), QPointF(left, kAntenna.y() + 4));
    p.drawLine(QPointF(right, kGroundY), QPointF(right, kAntenna.y() + 4));
    p.setPen(QPen(QColor(0x9a, 0x9f, 0xa7), 1));
    for (double y = kGroundY; y > kAntenna.y() + 12; y -= 12) {
        p.drawLine(QPointF(left, y), QPointF(right, y - 6));
        p.drawLine(QPointF(right, y - 6), QPointF(left, y - 12));
    }
}

// A Yagi seen from the side: a boom with elements that shorten towards the
// front.
void paintYagi(QPainter& p, bool stressed) {
    p.setPen(
        QPen(stressed ? QColor(0xc0, 0x39, 0x2b) : kInk, stressed ? 2.5 : 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(kAntenna + QPointF(-32, 0), kAntenna + QPointF(32, 0));
    const double lengths[] = {26, 24, 21, 19, 17};
    for (int i = 0; i < 5; ++i) {
        const double x = kAntenna.x() - 28 + i * 14;
        p.drawLine(QPointF(x, kAntenna.y() - lengths[i] / 2), QPointF(x, kAntenna.y() + lengths[i] / 2));
    }
}

void paintFeeder(QPainter& p, bool stressed) {
    QPainterPath cable(kAntenna + QPointF(7, 4));
    cable.lineTo(kAntenna.x() + 7, kGroundY - 6);
    cable.quadTo(QPointF(kAntenna.x() + 7, kGroundY - 2), QPointF(kAntenna.x() - 2, kGroundY - 2));
    cable.lineTo(150, kGroundY - 2);
    cable.cubicTo(QPointF(138, kGroundY - 2), QPointF(150, 206), QPointF(136, 202));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(stressed ? kFeeder : QColor(0x22, 0x22, 0x22), stressed ? 3.5 : 1.8, Qt::SolidLine,
                  Qt::RoundCap));
    p.drawPath(cable);
}

// Dashed rings around the antenna, strongest nearest to it.
void paintFieldRings(QPainter& p, double scale) {
    const QColor colours[] = {QColor(0xd9, 0x53, 0x4f, 170), QColor(0xf0, 0xad, 0x4e, 150),
                              QColor(0x3a, 0x8f, 0xd8, 130)};
    for (int i = 0; i < 3; ++i) {
        p.setPen(QPen(colours[i], 1.6, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        const double radius = (34 + i * 26) * scale;
        p.drawEllipse(kAntenna, radius, radius);
    }
}

void paintLobe(QPainter& p) {
    QPainterPath lobe(kAntenna + QPointF(30, 0));
    lobe.cubicTo(QPointF(290, 38), QPointF(380, 46), QPointF(388, 70));
    lobe.cubicTo(QPointF(380, 94), QPointF(290, 102), kAntenna + QPointF(30, 0));
    p.setPen(QPen(QColor(0xe0, 0x7b, 0x00, 200), 1.2));
    p.setBrush(QColor(0xff, 0xb3, 0x40, 90));
    p.drawPath(lobe);
}

void paintHeight(QPainter& p) {
    const double x = 282;
    p.setPen(QPen(kInk, 1.2));
    p.drawLine(QPointF(x, kGroundY), QPointF(x, kAntenna.y()));
    p.setBrush(kInk);
    p.drawPolygon(QPolygonF(
        {QPointF(x, kAntenna.y()), QPointF(x - 4, kAntenna.y() + 9), QPointF(x + 4, kAntenna.y() + 9)}));
    p.drawPolygon(
        QPolygonF({QPointF(x, kGroundY), QPointF(x - 4, kGroundY - 9), QPointF(x + 4, kGroundY - 9)}));
    p.setPen(QPen(kInk, 0.8, Qt::DotLine));
    p.drawLine(kAntenna + QPointF(34, 0), QPointF(x + 8, kAntenna.y()));
    QFont font = p.font();
    font.setPixelSize(16);
    font.setItalic(true);
    p.setFont(font);
    p.setPen(kInk);
    p.drawText(QPointF(x + 6, (kGroundY + kAntenna.y()) / 2 + 6), QStringLiteral("h"));
}

void paintCaption(QPainter& p, const QPointF& at, const QString& text, int pixels, bool bold) {
    QFont font = p.font();
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setItalic(false);
    p.setFont(font);
    p.setPen(kInk);
    p.drawText(at, text);
}

void paintScene(QPainter& painter, const QRect& area, const Emphasis& emphasis) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const double scale = std::min(area.width() / kCanvasWidth, area.height() / kCanvasHeight);
    const QPointF origin(area.left() + (area.width() - kCanvasWidth * scale) / 2,
                         area.top() + (area.height() - kCanvasHeight * scale) / 2);
    paintBackground(painter, area, origin.y() + kGroundY * scale);
    painter.translate(origin);
    painter.scale(scale, scale);

    if (emphasis.neighbourhood) {
        paintFieldRings(painter, 1.6);
        paintHouse(painter, 318, 62, 58, false, false);
        paintTree(painter, 290);
    } else if (!emphasis.antenna) {
        paintFieldRings(painter, 1.0);
    }
    if (emphasis.antenna)
        paintLobe(painter);
    paintTree(painter, 178);
    paintHouse(painter, 40, 110, 70, true, emphasis.transmitter);
    paintMast(painter);
    paintFeeder(painter, emphasis.transmitter);
    paintYagi(painter, emphasis.antenna);
    if (emphasis.antenna)
        paintHeight(painter);
    if (emphasis.transmitter) {
        paintCaption(painter, QPointF(104, 160), QStringLiteral("TX"), 13, true);
        paintCaption(painter, QPointF(160, kGroundY + 22), QStringLiteral("feeder"), 13, false);
    }
    painter.restore();
}

} // namespace

void paintStart(QPainter& painter, const QRect& area) {
    paintScene(painter, area, {.neighbourhood = true});
    const double scale = std::min(area.width() / kCanvasWidth, area.height() / kCanvasHeight);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(area.left() + (area.width() - kCanvasWidth * scale) / 2,
                      area.top() + (area.height() - kCanvasHeight * scale) / 2);
    painter.scale(scale, scale);
    paintCaption(painter, QPointF(20, 40), QStringLiteral("KOVEX"), 30, true);
    paintCaption(painter, QPointF(21, 58), QStringLiteral("RF exposure of amateur-radio stations"), 10,
                 false);
    painter.restore();
}

void paintPower(QPainter& painter, const QRect& area) {
    paintScene(painter, area, {.transmitter = true});
}

void paintAntenna(QPainter& painter, const QRect& area) {
    paintScene(painter, area, {.antenna = true});
}

} // namespace kovex::illustration
