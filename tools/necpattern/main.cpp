// necpattern: computes the antenna pattern table from the list of antennas.
//
//   necpattern --nec2c PROGRAM --work FOLDER [--keep] LIST OUTPUT
//
// LIST is described in Catalogue.h. For each antenna the tool runs nec2c on
// its deck (or evaluates its closed-form model) and writes one row of the
// table PATTERN to OUTPUT, the text source that mkrefdb builds into ant.mdb.
// FOLDER receives the decks as nec2c gets them and nec2c's output, removed
// after reading unless --keep is given. OUTPUT is written under a temporary
// name and renamed when complete.

#include "AntennaSpan.h"
#include "BuildError.h"
#include "Catalogue.h"
#include "ClosedForm.h"
#include "NecDeck.h"
#include "PatternRules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cmath>
#include <cstdio>
#include <optional>

namespace {

using namespace necpattern;

struct Options {
    NecProgram nec;
    QString list;
    QString output;
};

std::optional<Options> parseArguments(const QStringList& args) {
    Options options;
    QStringList positional;
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args[i] == "--nec2c" && i + 1 < args.size())
            options.nec.executable = args[++i];
        else if (args[i] == "--work" && i + 1 < args.size())
            options.nec.workFolder = args[++i];
        else if (args[i] == "--keep")
            options.nec.keepFiles = true;
        else if (args[i].startsWith("--"))
            return std::nullopt;
        else
            positional << args[i];
    }
    if (options.nec.executable.isEmpty() || options.nec.workFolder.isEmpty() || positional.size() != 2)
        return std::nullopt;
    options.list = positional[0];
    options.output = positional[1];
    return options;
}

QString header() {
    QStringList columns = {QStringLiteral("Numéro"), "TYPE", "RMK"};
    for (const QString plane : {"V", "H"}) {
        for (int angle = 0; angle <= 90; angle += 10)
            columns << plane + QString::asprintf("%02d", angle);
        columns << plane + "BACK" << plane + " ANGLE";
    }
    columns << "DIR"
            << "POL"
            << "FREQ"
            << "SPAN";
    return columns.join(';');
}

QString number(double value, int decimals) {
    const QString text = QString::number(value, 'f', decimals);
    return text.startsWith('-') && text.mid(1).toDouble() == 0 ? text.mid(1) : text;
}

QStringList planeFields(const PlaneValues& plane) {
    QStringList fields;
    for (double gain : plane.gain)
        fields << number(gain, 2);
    fields << number(plane.back, 2) << number(plane.halfPowerDeg, 1);
    return fields;
}

QString deckPath(const CatalogueEntry& entry, const Options& options) {
    return QFileInfo(options.list).dir().filePath(entry.model.value(1));
}

SphericalPattern patternOf(const CatalogueEntry& entry, const Options& options) {
    try {
        if (entry.model.front() != "nec")
            return closedFormPattern(entry.model, entry.polarization);
        if (entry.model.size() != 2)
            throw BuildError{"model \"nec\" needs one deck"};
        return necPattern(deckPath(entry, options), options.nec);
    } catch (const BuildError& error) {
        throw BuildError{entry.where + error.message};
    }
}

// The largest dimension of the antenna in metres, for the near-field mark.
double spanOf(const CatalogueEntry& entry, const Options& options) {
    try {
        if (entry.model.front() != "nec")
            return closedFormSpanM(entry.model);
        const QString path = deckPath(entry, options);
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            throw BuildError{path + ": " + file.errorString()};
        const QString deck = QString::fromUtf8(file.readAll());
        return spanForBandsM(wireSpanM(deck, path), lowestDeckMHz(deck, path), lowestBandMHz(entry.frequency));
    } catch (const BuildError& error) {
        throw BuildError{entry.where + error.message};
    }
}

QString rowOf(const CatalogueEntry& entry, const Options& options) {
    const Coverage coverage = entry.direction == "dir" ? Coverage::MainPlane : Coverage::AllAzimuths;
    const TableRow row = tableRow(patternOf(entry, options), coverage);
    QStringList fields = {QString::number(entry.key), entry.type, entry.remark};
    fields << planeFields(row.vertical) << planeFields(row.horizontal);
    fields << entry.direction << entry.polarization << entry.frequency;
    // Rounded up to the centimetre: a span never shrinks in the table.
    fields << number(std::ceil(spanOf(entry, options) * 100 - 1e-9) / 100, 2);
    return fields.join(';');
}

void writeTable(const Options& options, const QString& text) {
    const QString partial = options.output + ".part";
    QFile::remove(partial);
    QFile file(partial);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.flush()) {
        QFile::remove(partial);
        throw BuildError{partial + ": " + file.errorString()};
    }
    file.close();
    QFile::remove(options.output);
    if (!QFile::rename(partial, options.output)) {
        QFile::remove(partial);
        throw BuildError{options.output + ": cannot be written"};
    }
}

void build(const Options& options) {
    if (!QDir().mkpath(options.nec.workFolder))
        throw BuildError{options.nec.workFolder + ": cannot be created"};
    QString text = header() + '\n';
    for (const CatalogueEntry& entry : readCatalogue(options.list))
        text += rowOf(entry, options) + '\n';
    writeTable(options, text);
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const std::optional<Options> options = parseArguments(QCoreApplication::arguments());
    if (!options) {
        std::fputs("usage: necpattern --nec2c PROGRAM --work FOLDER [--keep] LIST OUTPUT\n", stderr);
        return 2;
    }
    try {
        build(*options);
    } catch (const BuildError& error) {
        std::fputs(("necpattern: " + error.message + '\n').toLocal8Bit().constData(), stderr);
        return 1;
    }
    return 0;
}
