// necpattern: computes the antenna pattern table from the list of antennas.
//
//   necpattern --nec2c PROGRAM --work FOLDER [--keep] [--jobs N]
//              [--cache FOLDER] [--envelope FILE] LIST OUTPUT
//
// LIST is described in Catalogue.h. For each antenna the tool runs nec2c on
// every variant of its deck across its bands (DeckVariants.h), or evaluates
// its closed-form model, and writes one row of the table PATTERN to OUTPUT,
// the text source that mkrefdb builds into ant.mdb. The work FOLDER
// receives the decks as nec2c gets them and nec2c's output, removed after
// reading unless --keep is given. N runs of nec2c go at a time (2). The
// cache FOLDER keeps each computed pattern under a hash of its deck, so a
// rebuild runs nec2c only on decks that changed; patterns no antenna uses
// any more are removed from it. The envelope FILE gets, per record, the
// vertical profile at every degree from 0 to 180 that the row stands for,
// for the check of the table. OUTPUT and FILE are written whole or not at
// all, an earlier file staying as it was until the new one is complete.

#include "AntennaSpan.h"
#include "BuildError.h"
#include "Catalogue.h"
#include "ClosedForm.h"
#include "DeckVariants.h"
#include "NecDeck.h"
#include "PatternRules.h"
#include "tools/common/ToolFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <cmath>
#include <cstdio>
#include <optional>

namespace {

using namespace necpattern;

struct Options {
    NecProgram nec;
    QString list;
    QString output;
    QString envelope;
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
        else if (args[i] == "--jobs" && i + 1 < args.size())
            options.nec.jobs = args[++i].toInt();
        else if (args[i] == "--cache" && i + 1 < args.size())
            options.nec.cacheFolder = args[++i];
        else if (args[i] == "--envelope" && i + 1 < args.size())
            options.envelope = args[++i];
        else if (args[i].startsWith("--"))
            return std::nullopt;
        else
            positional << args[i];
    }
    if (options.nec.executable.isEmpty() || options.nec.workFolder.isEmpty() || positional.size() != 2 ||
        options.nec.jobs < 1)
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

QString deckPath(const QString& deck, const Options& options) {
    return QFileInfo(options.list).dir().filePath(deck);
}

QString readDeck(const QString& path) {
    return QString::fromUtf8(kovex::toolfiles::readBytes(path));
}

// What one antenna needs: its nec2c runs, or its closed-form pattern.
struct Plan {
    std::vector<std::size_t> jobs;
    SphericalPattern closedForm;
    double spanM = 0;
};

// The span of the largest variant, scaled to the lowest band it stands for.
double spanOfVariants(const std::vector<DeckVariant>& variants, const QString& deck, const QString& path,
                      const CatalogueEntry& entry) {
    double span = 0;
    for (const DeckVariant& variant : variants)
        span = std::max(span, wireSpanM(variant.text, path));
    return spanForBandsM(span, lowestDeckMHz(deck, path), lowestBandMHz(entry.frequency));
}

void planDeck(const QString& path, const CatalogueEntry& entry, const Options& options, Plan& plan,
              std::vector<NecJob>& jobs) {
    const QString deck = readDeck(path);
    const std::vector<DeckVariant> variants = deckVariants(deck, path);
    const QString base = QDir(options.nec.workFolder).filePath(QFileInfo(path).completeBaseName());
    for (std::size_t i = 0; i < variants.size(); ++i) {
        NecJob job;
        job.name = entry.where + path + (i == 0 ? QString() : " (" + variants[i].label + ")");
        job.deck = completedDeck(acrossBand(variants[i].text, path), path);
        job.workBase = base + "-" + QString::number(i);
        plan.jobs.push_back(jobs.size());
        jobs.push_back(std::move(job));
    }
    plan.spanM = std::max(plan.spanM, spanOfVariants(variants, deck, path, entry));
}

// A record may stand for several decks ("nec A B"): the larger gain of all.
Plan planOf(const CatalogueEntry& entry, const Options& options, std::vector<NecJob>& jobs) {
    Plan plan;
    if (entry.model.front() != "nec") {
        plan.closedForm = closedFormPattern(entry.model, entry.polarization);
        plan.spanM = closedFormSpanM(entry.model);
        return plan;
    }
    if (entry.model.size() < 2)
        throw BuildError{"model \"nec\" needs a deck"};
    for (qsizetype d = 1; d < entry.model.size(); ++d)
        planDeck(deckPath(entry.model[d], options), entry, options, plan, jobs);
    return plan;
}

SphericalPattern patternOf(const Plan& plan, const std::vector<NecJob>& jobs) {
    if (plan.jobs.empty())
        return plan.closedForm;
    SphericalPattern largest = jobs[plan.jobs.front()].pattern;
    for (std::size_t job : plan.jobs)
        largest.takeLarger(jobs[job].pattern);
    return largest;
}

Coverage coverageOf(const CatalogueEntry& entry) {
    return entry.direction == "dir" ? Coverage::MainPlane : Coverage::AllAzimuths;
}

QString rowOf(const CatalogueEntry& entry, const SphericalPattern& pattern, double spanM) {
    const TableRow row = tableRow(pattern, coverageOf(entry));
    QStringList fields = {QString::number(entry.key), entry.type, entry.remark};
    fields << planeFields(row.vertical) << planeFields(row.horizontal);
    fields << entry.direction << entry.polarization << entry.frequency;
    // Rounded up to the centimetre: a span never shrinks in the table.
    fields << number(std::ceil(spanM * 100 - 1e-9) / 100, 2);
    return fields.join(';');
}

QString envelopeOf(const CatalogueEntry& entry, const SphericalPattern& pattern) {
    QStringList fields = {QString::number(entry.key)};
    for (double gain : verticalProfile(pattern, coverageOf(entry)))
        fields << number(gain, 2);
    return fields.join(';');
}

void writeTable(const QString& output, const QString& text) {
    kovex::toolfiles::save(output, text.toUtf8());
}

// Patterns of decks that changed or left the list would only pile up.
void pruneCache(const NecProgram& program, const std::vector<NecJob>& jobs) {
    if (program.cacheFolder.isEmpty())
        return;
    QSet<QString> used;
    for (const NecJob& job : jobs)
        used.insert(QFileInfo(cachePath(program.cacheFolder, job.deck)).fileName());
    for (const QString& name : QDir(program.cacheFolder).entryList({"*.pattern"}, QDir::Files))
        if (!used.contains(name))
            QFile::remove(QDir(program.cacheFolder).filePath(name));
}

void build(const Options& options) {
    if (!QDir().mkpath(options.nec.workFolder))
        throw BuildError{options.nec.workFolder + ": cannot be created"};
    const std::vector<CatalogueEntry> entries = readCatalogue(options.list);
    std::vector<NecJob> jobs;
    std::vector<Plan> plans;
    for (const CatalogueEntry& entry : entries) {
        try {
            plans.push_back(planOf(entry, options, jobs));
        } catch (const BuildError& error) {
            throw BuildError{entry.where + error.text()};
        }
    }
    runNecJobs(jobs, options.nec);
    QString table = header() + '\n';
    QString envelope;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const SphericalPattern pattern = patternOf(plans[i], jobs);
        table += rowOf(entries[i], pattern, plans[i].spanM) + '\n';
        envelope += envelopeOf(entries[i], pattern) + '\n';
    }
    writeTable(options.output, table);
    if (!options.envelope.isEmpty())
        writeTable(options.envelope, envelope);
    pruneCache(options.nec, jobs);
    const auto cached = std::count_if(jobs.begin(), jobs.end(), [](const NecJob& job) { return job.cached; });
    std::printf("necpattern: %zu antennas, %zu runs of nec2c, %td of them from the cache\n", entries.size(),
                jobs.size(), cached);
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const std::optional<Options> options = parseArguments(QCoreApplication::arguments());
    if (!options) {
        std::fputs("usage: necpattern --nec2c PROGRAM --work FOLDER [--keep] [--jobs N] [--cache FOLDER]"
                   " [--envelope FILE] LIST OUTPUT\n",
                   stderr);
        return 2;
    }
    try {
        build(*options);
    } catch (const kovex::KovexError& error) {
        std::fputs(("necpattern: " + error.text() + '\n').toLocal8Bit().constData(), stderr);
        return 1;
    }
    return 0;
}
