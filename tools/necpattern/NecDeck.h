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
    QString cacheFolder; // patterns computed before, by deck text; none if empty
    int jobs = 2;        // nec2c runs at a time
};

// One run of nec2c: a variant of a deck at every frequency of its band(s).
struct NecJob {
    QString name;             // deck and variant, for messages
    QString deck;             // as nec2c gets it (completedDeck)
    QString workBase;         // path in the work folder, without extension
    SphericalPattern pattern; // the largest gain over its FR cards, once run
    bool cached = false;
};

// The deck as nec2c gets it. `name` is used in messages.
QString completedDeck(const QString& deckText, const QString& name);
// One pattern per FR card, in the order of the deck.
std::vector<SphericalPattern> readNecOutput(const QString& outputText, const QString& name);
// Runs the jobs, `program.jobs` at a time, taking from the cache what an
// earlier build computed for the same deck text and storing what it runs.
// Throws the first failure in the order of the jobs.
void runNecJobs(std::vector<NecJob>& jobs, const NecProgram& program);
// The cache file of a completed deck: named by a hash of its cards, the
// comments left out.
QString cachePath(const QString& cacheFolder, const QString& completedDeckText);

} // namespace necpattern
