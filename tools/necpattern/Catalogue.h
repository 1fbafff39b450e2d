// The list of antennas: one line per record of the antenna table,
//
//   key;TYPE;RMK;DIR;POL;FREQ;MODEL
//
// MODEL is "nec DECK ..." (NEC-2 decks, paths relative to the list; the row
// takes the larger gain of all) or a closed
// form with its numbers: "dish D F", "horn A B F", "helix TURNS F",
// "patch W F" (metres, MHz). Lines starting with '#' and empty lines are
// skipped. Keys ascend.
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace necpattern {

struct CatalogueEntry {
    QString where; // "file:line: " for messages
    qlonglong key = 0;
    QString type;
    QString remark;
    QString direction;    // omni, bidir or dir
    QString polarization; // H, V, X or C
    QString frequency;
    QStringList model;
};

std::vector<CatalogueEntry> readCatalogue(const QString& path);

} // namespace necpattern
