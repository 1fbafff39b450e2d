// The family of antennas one deck stands for.
//
// A row of the table stands for a class of antennas, not for the one design
// its deck describes, so the deck declares in comment cards how far its
// class varies, and the table takes, direction by direction, the largest gain
// of every variant at the lower edge, the middle and the upper edge of each
// band. One variation a card, crossed with every other:
//
//   CM VARY SCALE AXES F1 F2 ... [TAGS A-B]
//       multiplies the coordinates AXES (any of x, y, z) of the wires (GW
//       cards; those tagged A to B) by each factor: element lengths.
//   CM VARY DROOP D1 D2 ... TAGS A-B
//       turns the wires tagged A to B about their first end so that they
//       droop D degrees below the horizontal, keeping their length and
//       azimuth: radials flat and drooping.
//   CM VARY MOVE F1 F2 ...
//       multiplies the translations of the GM cards: stacking distances.
//   CM VARY CARD <card with one {V1 V2 ...}>
//       the card of the deck with the same mnemonic and first two fields
//       takes each value in place of the braces: coils, matching values.
//   CM VARY+ ...
//       varies together with the card before (the same number of values,
//       the k-th with the k-th), e.g. the coils of one collinear.
//
// The deck as written is always one of the values of each variation.
#pragma once

#include <QString>

#include <vector>

namespace necpattern {

struct DeckVariant {
    QString label; // "as written", or the values taken, for messages
    QString text;  // the deck with the variation applied
};

// The deck as written first, then every other combination of its variations.
std::vector<DeckVariant> deckVariants(const QString& deckText, const QString& name);

struct AmateurBand {
    double lowMHz = 0;
    double highMHz = 0;
};

// The amateur band holding a frequency; throws BuildError outside the bands.
AmateurBand amateurBand(double mhz, const QString& where);

// Every FR card replaced by cards at the lower edge, the middle and the upper
// edge of its band, and at its own frequency where that is none of them.
// A deck with the card "CM BAND OWN FREQUENCY" (an antenna cut to whatever
// frequency it is used on, the textbook half-wave dipole) stays as it is.
QString acrossBand(const QString& deckText, const QString& name);

} // namespace necpattern
