#pragma once

// Databases made by the Jet library for the tests: a fixed sample with
// texts and numbers at the edges of what a column holds, and seeded random
// schemas and rows.

#include "jet/JetDatabase.h"

#include <QString>

#include <random>
#include <vector>

namespace kovex::jet::samples {

struct Sample {
    std::vector<TableDef> schema;
    std::vector<std::vector<Row>> rows; // per table
};

Sample edgeSample();
// A table of 100 columns with names of 64 characters: a definition of
// several pages.
Sample wideSample();
Sample randomSample(std::mt19937& random, int maxRows = 400);
Database build(const Sample& sample);
// The tables, columns and rows as JSON, for the readers' outputs to be
// compared with (doubles as their shortest exact text, texts as UTF-8).
QByteArray expectedJson(const Database& db);

} // namespace kovex::jet::samples
