// Writes the sample databases of the Jet library into a folder, each with
// the JSON of the tables, columns and rows that a reader must find in it:
//   kovex-jet-samples FOLDER
// The files are checked by the library's own structural check first; a
// fault there fails the run.

#include "SampleFiles.h"

#include "jet/JetCheck.h"
#include "support/KovexError.h"

#include <QDir>
#include <QFile>

#include <cstdio>

using namespace kovex::jet;

namespace {

bool write(const QString& folder, const QString& name, const Database& db) {
    const QByteArray bytes = db.bytes();
    for (const QString& fault : structuralFaults(bytes)) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(name), qPrintable(fault));
        return false;
    }
    saveFile(db, folder + "/" + name + ".mdb");
    QFile json(folder + "/" + name + ".json");
    return json.open(QIODevice::WriteOnly) && json.write(samples::expectedJson(db)) > 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: kovex-jet-samples FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    try {
        bool ok = write(folder, "empty", Database::create({}));
        ok = write(folder, "edge", samples::build(samples::edgeSample())) && ok;
        Database replaced = samples::build(samples::edgeSample());
        replaced.replaceRows("points", {{qint32(1), 2.5, QStringLiteral("replaced")}});
        ok = write(folder, "replaced", replaced) && ok;
        ok = write(folder, "wide", samples::build(samples::wideSample())) && ok;
        std::mt19937 random(20);
        for (int i = 0; i < 4; ++i)
            ok = write(folder, QStringLiteral("random%1").arg(i),
                       samples::build(samples::randomSample(random))) &&
                 ok;
        return ok ? 0 : 1;
    } catch (const kovex::KovexError& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.text()));
        return 1;
    }
}
