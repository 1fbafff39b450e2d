#include "DossierChecks.h"

#include "refdata/Session.h"

#include <QCryptographicHash>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <array>
#include <cstdlib>

namespace kovex::scenario {

namespace {

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The colours of the picture's lines and labels; anything else (white,
// black text, silver grid, the smoothing of edges) is left out.
int colourClass(QRgb pixel) {
    const int r = qRed(pixel), g = qGreen(pixel), b = qBlue(pixel);
    if (g > 200 && r < 90 && b < 90)
        return 1; // green
    if (r > 200 && g > 200 && b < 90)
        return 2; // yellow
    if (r > 200 && g < 90 && b < 90)
        return 3; // red
    if (b > 200 && r < 90 && g < 90)
        return 4; // blue
    return 0;
}

bool hasNear(const QImage& image, int x, int y, int colour) {
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
            if (image.valid(x + dx, y + dy) && colourClass(image.pixel(x + dx, y + dy)) == colour)
                return true;
    return false;
}

// Coloured pixels of `from` without a match in `in`, and all coloured ones.
std::array<long, 2> unmatched(const QImage& from, const QImage& in) {
    std::array<long, 2> counts{0, 0};
    for (int y = 0; y < from.height(); ++y)
        for (int x = 0; x < from.width(); ++x) {
            const int colour = colourClass(from.pixel(x, y));
            if (colour == 0)
                continue;
            ++counts[1];
            if (!hasNear(in, x, y, colour))
                ++counts[0];
        }
    return counts;
}

QString number(double value) {
    return QString::number(value, 'g', 17);
}

} // namespace

int pdfPageCount(const QString& file) {
    const QString info = run("pdfinfo", {file});
    const QRegularExpressionMatch pages =
        QRegularExpression("^Pages:\\s+(\\d+)", QRegularExpression::MultilineOption).match(info);
    return pages.hasMatch() ? pages.captured(1).toInt() : -1;
}

QString pdfText(const QString& file, int page) {
    QStringList arguments{"-layout"};
    if (page > 0)
        arguments << "-f" << QString::number(page) << "-l" << QString::number(page);
    QString text = run("pdftotext", arguments << file << "-");
    text.replace(QRegularExpression("[ \\t]+"), " ");
    return text;
}

QImage pdfPage(const QString& file, int page, int dpi) {
    QTemporaryDir folder;
    const QString prefix = QDir(folder.path()).filePath("page");
    run("pdftoppm", {"-r", QString::number(dpi), "-f", QString::number(page), "-l", QString::number(page),
                     "-singlefile", "-png", "-aaVector", "no", file, prefix});
    return QImage(prefix + ".png").convertToFormat(QImage::Format_RGB32);
}

QString pdfWordColour(const QString& file, int page, const QString& word) {
    const QString boxes =
        run("pdftotext", {"-bbox", "-f", QString::number(page), "-l", QString::number(page), file, "-"});
    const QRegularExpression wordBox(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">" +
        QRegularExpression::escape(word.toHtmlEscaped()) + "</word>");
    QRectF box;
    for (const QRegularExpressionMatch& m : wordBox.globalMatch(boxes))
        box = QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                     QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()));
    if (box.isNull())
        return QString();
    const QImage image = pdfPage(file, page, 150);
    const QRect pixels((box.topLeft() * 150 / 72).toPoint(), (box.bottomRight() * 150 / 72).toPoint());
    std::array<int, 5> counts{};
    int black = 0;
    for (int y = pixels.top(); y <= pixels.bottom(); ++y)
        for (int x = pixels.left(); x <= pixels.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qGray(pixel) < 60 && colourClass(pixel) == 0)
                ++black;
            else
                ++counts[static_cast<std::size_t>(colourClass(pixel))];
        }
    if (counts[3] > std::max(black, counts[4]))
        return "red";
    if (counts[4] > std::max(black, counts[3]))
        return "blue";
    return black > 0 ? "black" : "other";
}

double drawingMismatch(const QImage& expected, const QImage& found) {
    const auto missing = unmatched(expected, found);
    const auto extra = unmatched(found, expected);
    const long total = missing[1] + extra[1];
    return total == 0 ? 1.0 : double(missing[0] + extra[0]) / double(total);
}

QStringList windowState(const Session& p) {
    const MainForm& f = p.mainForm;
    QStringList state;
    std::vector<QString> names = f.controlNames();
    names.insert(names.end(), f.menuNames().begin(), f.menuNames().end());
    for (const QString& name : names) {
        const Control& c = f.ctl(name);
        state << QString("%1 %2 %3 %4 %5 %6 %7")
                     .arg(name, c.text)
                     .arg(c.itemIndex)
                     .arg(c.checked)
                     .arg(c.visible)
                     .arg(c.color)
                     .arg(c.bold);
    }
    for (int r = 0; r < f.sgdTP.rowCount(); ++r)
        for (int c = 0; c < f.sgdTP.columnCount(); ++c)
            state << QString("sgdTP[%1,%2] %3").arg(c).arg(r).arg(f.sgdTP.cell(c, r));
    state << "case " + QStringList{number(f.values.ModeFactor),
                                   number(f.values.ModeCorrectiondB),
                                   number(f.values.TimeFactor),
                                   number(f.values.TimeCorrectiondB),
                                   number(f.values.PowerAndGain.InputPowerdBW),
                                   number(f.values.PowerAndGain.AntennaGaindBi),
                                   number(f.values.InputPowerW),
                                   number(f.values.BandAndTilt.TiltDeg),
                                   number(f.values.BandAndTilt.VertOpeningAngleDeg),
                                   number(f.values.BandAndTilt.FreqMinMHz),
                                   number(f.values.BandAndTilt.FreqMaxMHz),
                                   number(f.values.AntennaHeightM),
                                   number(f.values.EIRPdBW),
                                   f.values.PolarizationCode,
                                   f.values.AntennaTypeName,
                                   number(f.values.FieldLimitVm),
                                   number(f.values.Field5PercentVm),
                                   number(f.values.Field80PercentVm),
                                   f.values.AccessFileName,
                                   f.values.ReportFileName,
                                   number(f.values.DrawingAntennaNumber),
                                   number(f.values.MaxTestPointDistanceM),
                                   number(f.values.MaxTestPointHeightM),
                                   number(f.values.MinTestPointHeightM),
                                   number(f.values.SummaryAntennaColumn),
                                   f.values.TpaiFileName}
                           .join(" | ");
    for (int n = 1; n <= kMaxAntennas; ++n)
        if (const KeptControls* kept = f.keptAntennas.find(n))
            for (const auto& [name, c] : *kept)
                state << QString("kept %1 %2 %3 %4 %5").arg(n).arg(name, c.text, c.key).arg(c.color);
    state << QString("last kept %1").arg(f.keptAntennas.last());
    for (const char* table : {"feederCable1", "feederCable2", "feederCable3", "antennaPattern"})
        state << QString("%1 row %2").arg(table).arg(p.data.cursor(table).row);
    const QImage& picture = p.drawingForm.imgPH;
    state << QString("drawing %1 %2 ").arg(p.drawingForm.visible).arg(p.drawingForm.BracketNoteFlag) +
                 QString::fromLatin1(
                     QCryptographicHash::hash(QByteArray(reinterpret_cast<const char*>(picture.constBits()),
                                                         picture.sizeInBytes()),
                                              QCryptographicHash::Sha256)
                         .toHex());
    return state;
}

} // namespace kovex::scenario
