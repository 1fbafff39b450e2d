// Checks that every record of the antenna table covers the antennas it
// stands for:
//
//   kovex-check-envelope TABLE ENVELOPE
//
// TABLE is the table the build computed (antennas.csv), ENVELOPE the
// vertical profile beside it (antennas-envelope.csv: the key, then the
// largest gain at 0, 1 .. 180 degrees off the main direction over every
// variant and frequency of the record's deck). At every tenth of a degree,
// the gain the program reads from the record (its own lookup: straight
// lines between the 10-degree values, the back value from 90 degrees on) may
// lie at most 0.5 dB below the profile, drawn with straight lines between
// its degrees. Prints the narrowest margin of every record.

#include "calc/FieldStrength.h"

#include <QFile>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <map>
#include <vector>

namespace {

constexpr double kToleranceDb = 0.5;
constexpr int kTenthsTo180 = 1800;

std::vector<QStringList> rowsOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: cannot be read\n", qPrintable(path));
        return {};
    }
    std::vector<QStringList> rows;
    for (const QByteArray& line : file.readAll().split('\n'))
        if (!line.trimmed().isEmpty())
            rows.push_back(QString::fromUtf8(line).split(';'));
    return rows;
}

kovex::VerticalPattern patternOf(const QStringList& header, const QStringList& row) {
    kovex::VerticalPattern pattern;
    for (int i = 0; i < 10; ++i)
        pattern.gaindBi[static_cast<std::size_t>(i)] =
            row.value(header.indexOf(QStringLiteral("V%1").arg(i * 10, 2, 10, QLatin1Char('0')))).toDouble();
    pattern.backdBi = row.value(header.indexOf(QStringLiteral("VBACK"))).toDouble();
    return pattern;
}

double profileAt(const std::vector<double>& profile, int tenths) {
    const int degree = std::min(tenths / 10, 179);
    const double t = (tenths - degree * 10) / 10.0;
    return profile[static_cast<std::size_t>(degree)] * (1 - t) + profile[static_cast<std::size_t>(degree + 1)] * t;
}

// The narrowest margin of the lookup over the profile, and its angle.
std::pair<double, double> narrowestMargin(const kovex::VerticalPattern& pattern, const std::vector<double>& profile) {
    std::pair<double, double> narrowest{1e9, 0};
    for (int tenths = 0; tenths <= kTenthsTo180; ++tenths) {
        const double angle = tenths / 10.0;
        const double margin = kovex::VerticalPatternGaindBi(pattern, angle) - profileAt(profile, tenths);
        if (margin < narrowest.first)
            narrowest = {margin, angle};
    }
    return narrowest;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fputs("usage: kovex-check-envelope TABLE ENVELOPE\n", stderr);
        return 2;
    }
    std::vector<QStringList> table = rowsOf(QString::fromLocal8Bit(argv[1]));
    const std::vector<QStringList> envelope = rowsOf(QString::fromLocal8Bit(argv[2]));
    if (table.size() < 2 || envelope.size() + 1 != table.size()) {
        std::fprintf(stderr, "%zu records but %zu profiles\n", table.empty() ? 0 : table.size() - 1,
                     envelope.size());
        return 1;
    }
    const QStringList header = table.front();
    std::map<QString, std::vector<double>> profiles;
    for (const QStringList& row : envelope) {
        std::vector<double> profile;
        for (qsizetype i = 1; i < row.size(); ++i)
            profile.push_back(row[i].toDouble());
        profiles[row.front()] = profile;
    }
    int failures = 0;
    for (std::size_t r = 1; r < table.size(); ++r) {
        const QStringList& row = table[r];
        const auto profile = profiles.find(row.front());
        if (profile == profiles.end() || profile->second.size() != 181) {
            std::printf("record %s: no profile of 181 degrees\n", qPrintable(row.front()));
            ++failures;
            continue;
        }
        const auto [margin, angle] = narrowestMargin(patternOf(header, row), profile->second);
        const bool fails = margin < -kToleranceDb;
        failures += fails ? 1 : 0;
        std::printf("record %s (%s): narrowest margin %+.2f dB at %.1f degrees%s\n", qPrintable(row.front()),
                    qPrintable(row.value(1)), margin, angle, fails ? "  BELOW THE ENVELOPE" : "");
    }
    return failures == 0 ? 0 : 1;
}
