// Runs nec2c on one deck and reads the pattern it computes.
//
// A deck of data/antennas holds the structure (GW, GA, GM ... GE), the feed
// and loads (EX, LD, TL, NT) and one FR card per band. The tool adds its own
// RP cards after each FR card (the whole sphere every degree of theta and
// five of phi, and the horizon every degree) and the closing EN. Cards that
// would add a ground or change what is computed are refused: every pattern
// is a free-space pattern.
#pragma once

#include "SphericalPattern.h"

#include <QString>
#include <vector>

namespace necpattern {

struct NecProgram {
    QString executable; // nec2c
    QString workFolder; // where the completed deck and the output are written
    bool keepFiles = false;
};

// The deck as nec2c gets it. `name` is used in messages.
QString completedDeck(const QString& deckText, const QString& name);
// One pattern per FR card, in the order of the deck.
std::vector<SphericalPattern> readNecOutput(const QString& outputText, const QString& name);
// The largest gain over every band of the deck, direction by direction.
SphericalPattern necPattern(const QString& deckPath, const NecProgram& program);

} // namespace necpattern
