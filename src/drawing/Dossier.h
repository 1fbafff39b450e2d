#pragma once

#include "drawing/ZonePicture.h"

#include <QRectF>
#include <QRgb>
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

class QIODevice;

// The station's dossier for the regulator: one A4 portrait PDF written from
// plain values, every text already worded in the reader's language. Text
// stays text (searchable, selectable) and the zone drawings stay lines.
namespace kovex::dossier {

struct Cell {
    QString text;
    QRgb colour = 0xff000000;
    bool bold = false;
};
using Row = std::vector<Cell>;

struct Table {
    QStringList headings;
    std::vector<Row> rows;
};

struct Pair {
    QString label;
    QString value;
};

struct Enclosure {
    QString name;
    bool held = false;
};

struct Antenna {
    QString heading;
    QString inputsHeading;
    std::vector<Pair> inputs;
    QString resultsHeading;
    std::vector<Pair> results;
    QStringList notes; // anything the reader must know about this antenna
    QString drawingHeading;
    // Nothing when the drawing could not be made; `drawingFailure` says why.
    std::optional<ZonePictureInput> drawing;
    QString drawingFailure;
    QString pointsHeading;
    Table points;
    std::vector<Cell> legend; // the four sentences, in their colours
};

struct Content {
    // The header of every page.
    QString callsign;
    QString date;
    // "page %1 of %2"
    QString pageOfPages;

    QString title;
    std::vector<Pair> cover;
    QString enclosuresHeading;
    QString heldMark;    // before an enclosure the dossier holds
    QString notHeldMark; // before one to be sent beside it
    std::vector<Enclosure> enclosures;
    QStringList coverNotes;

    QString validationHeading;
    QStringList validation;

    QString summaryHeading;
    std::vector<Table> summary; // one table, or two of a wide grid
    QString limitsHeading;
    Table limits;

    std::vector<Antenna> antennas;
    // Antennas whose drawing, made from the reference data as they are now,
    // disagrees with their kept fields: each has its note, and the user is
    // told once the file is written.
    QStringList antennasToComputeAgain;
};

// Where a zone drawing lies on its page, in points from the top-left corner:
// 1009 x 657 picture pixels at 150 pixels per inch.
QRectF drawingRect();

// Writes the whole document; false when the device refused it.
bool write(QIODevice& device, const Content& content);

} // namespace kovex::dossier
