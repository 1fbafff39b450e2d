// The largest dimension of an antenna, for the near-field mark of the
// program: closer than its own size a point source does not describe it.
//
// A deck's span is the largest distance between two ends of its wires after
// its GM and GS cards. A single-band deck stands for the same antenna scaled
// to every band of its FREQ, so its span grows by the ratio of the deck's
// lowest frequency to the lowest frequency of FREQ. A closed-form model's
// span is its aperture. Where the size is uncertain the larger one is taken,
// which marks more points.
#pragma once

#include <QString>
#include <QStringList>

namespace necpattern {

// Span of the wires of a deck in metres; throws BuildError for geometry
// cards it does not follow (GA, GH, GR, GX, GC, SP, SM, SC).
double wireSpanM(const QString& deckText, const QString& name);
// The lowest frequency of the deck's FR cards, MHz.
double lowestDeckMHz(const QString& deckText, const QString& name);
// The lowest frequency of a FREQ text such as "10-30 MHz" or "14 MHz".
double lowestBandMHz(const QString& frequencyText);
// The span of a single-band model scaled to the lowest band it stands for.
double spanForBandsM(double spanM, double deckMHz, double lowestBandMHz);
// The aperture of a closed-form model such as {"dish", "1.2", "1296"}.
double closedFormSpanM(const QStringList& model);

} // namespace necpattern
