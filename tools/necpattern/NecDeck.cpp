#include "NecDeck.h"

#include "BuildError.h"
#include "tools/common/ToolFiles.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <optional>
#include <thread>

namespace necpattern {

namespace {

const QStringList keptCards = {"CM", "CE", "GW", "GA", "GH", "GM", "GR", "GS", "GX", "GC", "SP",
                               "SM", "SC", "GE", "EX", "LD", "TL", "NT", "EK", "KH", "FR"};
// Pattern requests and the end of the deck are the tool's.
const QStringList droppedCards = {"RP", "XQ", "EN"};
const QString wholeSphere = QStringLiteral("RP 0 181 72 1000 0 0 1 5");
const QString horizon = QStringLiteral("RP 0 1 360 1000 90 0 1 1");
constexpr int nec2cTimeoutMs = 300000;

QStringList fieldsOf(const QString& card) {
    return card.simplified().replace(',', ' ').split(' ', Qt::SkipEmptyParts);
}

void checkCard(const QString& mnemonic, const QStringList& fields, const QString& where) {
    if (mnemonic == "GE" && fields.value(1, "0").toInt() != 0)
        throw BuildError{where + "GE must be \"GE 0\": the pattern is a free-space pattern"};
    if (mnemonic == "FR" && fields.value(2, "1").toInt() != 1)
        throw BuildError{where + "one frequency per FR card (give each band its own card)"};
}

std::optional<double> numberOf(const QString& field) {
    bool ok = false;
    const double value = field.toDouble(&ok);
    return ok && std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

// theta, phi and total gain of a pattern line, or nothing for any other line.
std::optional<std::array<double, 3>> patternLine(const QString& line) {
    const QStringList fields = line.split(' ', Qt::SkipEmptyParts);
    if (fields.size() < 5)
        return std::nullopt;
    const auto theta = numberOf(fields[0]);
    const auto phi = numberOf(fields[1]);
    const auto total = numberOf(fields[4]);
    if (!theta || !phi || !total || !numberOf(fields[2]) || !numberOf(fields[3]))
        return std::nullopt;
    return std::array<double, 3>{*theta, *phi, *total};
}

int wholeDegrees(double angle, const QString& name) {
    const double rounded = std::round(angle);
    if (std::abs(angle - rounded) > 1e-6)
        throw BuildError{name + ": unexpected pattern angle " + QString::number(angle)};
    return static_cast<int>(rounded);
}

double gainOf(double printed) {
    return printed <= -999.0 ? noGaindBi : printed;
}

void storeSphere(SphericalPattern& pattern, const std::vector<std::array<double, 3>>& lines,
                 const QString& name) {
    for (const auto& [theta, phi, total] : lines) {
        const int phiDeg = wholeDegrees(phi, name);
        if (phiDeg % SphericalPattern::phiStepDeg != 0)
            throw BuildError{name + ": unexpected azimuth " + QString::number(phi)};
        pattern.setGrid(wholeDegrees(theta, name), phiDeg / SphericalPattern::phiStepDeg, gainOf(total));
    }
}

void storeHorizon(SphericalPattern& pattern, const std::vector<std::array<double, 3>>& lines,
                  const QString& name) {
    for (const auto& [theta, phi, total] : lines) {
        if (wholeDegrees(theta, name) != 90)
            throw BuildError{name + ": horizon line off the horizon"};
        pattern.setHorizon(wholeDegrees(phi, name), gainOf(total));
    }
}

// The blocks of pattern lines, each following a "RADIATION PATTERNS" title.
std::vector<std::vector<std::array<double, 3>>> patternBlocks(const QString& outputText) {
    std::vector<std::vector<std::array<double, 3>>> blocks;
    bool inBlock = false;
    for (const QString& line : outputText.split('\n')) {
        if (line.contains("RADIATION PATTERNS")) {
            blocks.emplace_back();
            inBlock = true;
            continue;
        }
        if (!inBlock)
            continue;
        if (const auto values = patternLine(line))
            blocks.back().push_back(*values);
        else if (!blocks.back().empty())
            inBlock = false;
    }
    return blocks;
}

QString readText(const QString& path) {
    return QString::fromUtf8(kovex::toolfiles::readBytes(path));
}

void writeText(const QString& path, const QString& text) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text.toUtf8()) < 0)
        throw BuildError{path + ": " + file.errorString()};
}

void runNec2c(const NecProgram& program, const QString& input, const QString& output, const QString& name) {
    // nec2c refuses file names longer than a few dozen characters, so it
    // runs in the work folder and gets the bare names.
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setWorkingDirectory(QFileInfo(input).absolutePath());
    process.start(program.executable,
                  {"-i" + QFileInfo(input).fileName(), "-o" + QFileInfo(output).fileName()});
    if (!process.waitForFinished(nec2cTimeoutMs) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        const QString said = QString::fromLocal8Bit(process.readAll()).trimmed();
        throw BuildError{name + ": nec2c failed" + (said.isEmpty() ? QString() : ": " + said) +
                         (process.error() == QProcess::FailedToStart
                              ? " (" + program.executable + " not found)"
                              : QString())};
    }
}

} // namespace

QString completedDeck(const QString& deckText, const QString& name) {
    QStringList out;
    int frequencies = 0;
    bool feed = false;
    bool structureEnded = false;
    const QStringList lines = deckText.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString card = lines[i].trimmed();
        if (card.isEmpty())
            continue;
        const QString where = name + ":" + QString::number(i + 1) + ": ";
        const QStringList fields = fieldsOf(card);
        const QString mnemonic = fields.front().left(2).toUpper();
        if (droppedCards.contains(mnemonic))
            continue;
        if (!keptCards.contains(mnemonic))
            throw BuildError{where + "card " + mnemonic + " is not allowed in a free-space pattern deck"};
        checkCard(mnemonic, fields, where);
        out << card;
        structureEnded = structureEnded || mnemonic == "GE";
        feed = feed || mnemonic == "EX";
        if (mnemonic == "FR") {
            out << wholeSphere << horizon;
            ++frequencies;
        }
    }
    if (!structureEnded || !feed || frequencies == 0)
        throw BuildError{name + ": a deck needs a GE card, an EX card and at least one FR card"};
    out << "EN";
    return out.join('\n') + '\n';
}

std::vector<SphericalPattern> readNecOutput(const QString& outputText, const QString& name) {
    const auto blocks = patternBlocks(outputText);
    if (blocks.empty() || blocks.size() % 2 != 0)
        throw BuildError{name + ": nec2c computed no complete pattern"};
    std::vector<SphericalPattern> patterns;
    for (std::size_t i = 0; i < blocks.size(); i += 2) {
        SphericalPattern pattern;
        storeSphere(pattern, blocks[i], name);
        storeHorizon(pattern, blocks[i + 1], name);
        if (!pattern.complete())
            throw BuildError{name + ": a pattern of nec2c's output is incomplete"};
        patterns.push_back(pattern);
    }
    return patterns;
}

namespace {

// Bumped whenever what a cache file holds or how a pattern is read changes.
const QByteArray cacheFormat = QByteArrayLiteral("necpattern cache 2\n");

// The cards nec2c computes from: comments change no pattern, so a deck whose
// sources or notes are edited keeps its cached patterns.
QByteArray computedCards(const QString& completedDeckText) {
    QStringList cards;
    for (const QString& line : completedDeckText.split('\n')) {
        const QString mnemonic = line.trimmed().left(2).toUpper();
        if (mnemonic != "CM" && mnemonic != "CE")
            cards << line.trimmed();
    }
    return cards.join('\n').toUtf8();
}

QByteArray serialised(const SphericalPattern& pattern) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    for (int theta = 0; theta < SphericalPattern::thetaCount; ++theta)
        for (int phi = 0; phi < SphericalPattern::phiCount; ++phi)
            out << pattern.grid(theta, phi);
    for (int phi = 0; phi < SphericalPattern::cutCount; ++phi)
        out << pattern.horizon(phi);
    return qCompress(bytes);
}

std::optional<SphericalPattern> deserialised(const QByteArray& compressed) {
    const QByteArray bytes = qUncompress(compressed);
    constexpr auto count =
        SphericalPattern::thetaCount * SphericalPattern::phiCount + SphericalPattern::cutCount;
    if (bytes.size() != static_cast<qsizetype>(count) * static_cast<qsizetype>(sizeof(double)))
        return std::nullopt;
    QDataStream in(bytes);
    SphericalPattern pattern;
    double gain = 0;
    for (int theta = 0; theta < SphericalPattern::thetaCount; ++theta)
        for (int phi = 0; phi < SphericalPattern::phiCount; ++phi) {
            in >> gain;
            pattern.setGrid(theta, phi, gain);
        }
    for (int phi = 0; phi < SphericalPattern::cutCount; ++phi) {
        in >> gain;
        pattern.setHorizon(phi, gain);
    }
    return in.status() == QDataStream::Ok && pattern.complete() ? std::optional(pattern) : std::nullopt;
}

bool readCache(NecJob& job, const NecProgram& program) {
    if (program.cacheFolder.isEmpty())
        return false;
    QFile file(cachePath(program.cacheFolder, job.deck));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const std::optional<SphericalPattern> pattern = deserialised(file.readAll());
    if (!pattern)
        return false;
    job.pattern = *pattern;
    job.cached = true;
    return true;
}

// Written whole or not at all, so that an interrupted build never leaves a
// truncated pattern for the next one.
void writeCache(const NecJob& job, const NecProgram& program) {
    if (!program.cacheFolder.isEmpty())
        kovex::toolfiles::save(cachePath(program.cacheFolder, job.deck), serialised(job.pattern));
}

void runJob(NecJob& job, const NecProgram& program) {
    if (readCache(job, program))
        return;
    const QString input = job.workBase + ".nec";
    const QString output = job.workBase + ".out";
    QFile::remove(output);
    writeText(input, job.deck);
    runNec2c(program, input, output, job.name);
    const std::vector<SphericalPattern> bands = readNecOutput(readText(output), job.name);
    const qsizetype frequencies = job.deck.count(QStringLiteral("\n") + wholeSphere);
    if (static_cast<qsizetype>(bands.size()) != frequencies)
        throw BuildError{job.name + ": nec2c computed " + QString::number(bands.size()) + " of " +
                         QString::number(frequencies) + " bands"};
    if (!program.keepFiles) {
        QFile::remove(input);
        QFile::remove(output);
    }
    job.pattern = bands.front();
    for (const SphericalPattern& band : bands)
        job.pattern.takeLarger(band);
    writeCache(job, program);
}

} // namespace

QString cachePath(const QString& cacheFolder, const QString& completedDeckText) {
    const QByteArray hash =
        QCryptographicHash::hash(cacheFormat + computedCards(completedDeckText), QCryptographicHash::Sha256)
            .toHex();
    return QDir(cacheFolder).filePath(QString::fromLatin1(hash) + ".pattern");
}

void runNecJobs(std::vector<NecJob>& jobs, const NecProgram& program) {
    if (!program.cacheFolder.isEmpty() && !QDir().mkpath(program.cacheFolder))
        throw BuildError{program.cacheFolder + ": cannot be created"};
    std::vector<std::optional<BuildError>> failures(jobs.size());
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (std::size_t i = next++; i < jobs.size(); i = next++) {
            try {
                runJob(jobs[i], program);
            } catch (const BuildError& error) {
                failures[i] = error;
            }
        }
    };
    std::vector<std::thread> threads;
    for (int t = 1; t < std::max(program.jobs, 1); ++t)
        threads.emplace_back(work);
    work();
    for (std::thread& thread : threads)
        thread.join();
    for (const std::optional<BuildError>& failure : failures)
        if (failure)
            throw *failure;
}

} // namespace necpattern
