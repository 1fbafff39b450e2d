#pragma once

class QPainter;
class QRect;

// The fixed pictures of the first three pages: a station drawn in a few
// strokes, fitted into the given area.
namespace kovex::illustration {

// The station in its neighbourhood, with the program's name.
void paintStart(QPainter& painter, const QRect& area);
// The transmitter and the feeder that carry the power to the antenna.
void paintPower(QPainter& painter, const QRect& area);
// The antenna, its height above the ground and its main lobe.
void paintAntenna(QPainter& painter, const QRect& area);

} // namespace kovex::illustration
