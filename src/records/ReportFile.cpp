#include "records/ReportFile.h"

#include "calc/SummaryGrid.h"
#include "model/ControlNames.h"
#include "model/MainForm.h"
#include "records/AdministrativeRecord.h"
#include "records/TpaiFile.h"
#include "refdata/Session.h"
#include "support/AsciiText.h"
#include "support/Cp1252.h"
#include "support/KovexError.h"
#include "support/WholeFile.h"

#include <QFile>

#include <array>
#include <charconv>
#include <cstring>
#include <stdexcept>
#include <string>

namespace kovex {

namespace report {

namespace {

// Most keys are 14 characters with "=" the last; the summary keys of the
// highest fields are 21.
constexpr int kKeyWidth = 14;
constexpr int kSummaryKeyWidth = 21;

// Slot k is "1".."9", then "a".."c" in the test-point section and "A".."C"
// in the summary section.
char slotCode(int k) {
    return k <= 9 ? char('0' + k) : char('a' + (k - 10));
}
char upperSlotCode(int k) {
    return k <= 9 ? char('0' + k) : char('A' + (k - 10));
}

// A value the report's bytes cannot hold as it stands: the report is made
// again as lines naming their fields, which words the refusal.
struct Unwritable {};

// The report as it is made, a line piece by piece: either straight into the
// bytes of the file (no text made for a line, no field named), or as lines
// of text each with the field its value comes from.
class Output {
  public:
    explicit Output(bool asLines) : m_asLines(asLines) {
        if (!m_asLines)
            m_bytes.reserve(qsizetype{16} * 1024);
    }

    // Keys, units and fixed texts: ASCII.
    Output& operator<<(const char* ascii) { return ascii7(ascii, std::strlen(ascii)); }
    Output& operator<<(char ascii) { return ascii7(&ascii, 1); }
    Output& operator<<(int number) {
        std::array<char, 12> digits{};
        const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), number).ptr;
        return ascii7(digits.data(), size_t(end - digits.data()));
    }
    // A value as the user typed it or the summary shows it.
    Output& operator<<(const QString& text) {
        if (m_asLines) {
            m_line += text;
            return *this;
        }
        if (text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n')) ||
            !cp1252::appendEncoded(text, m_bytes))
            throw Unwritable{};
        return *this;
    }

    // The line so far, the name of a key, padded to its width and closed by "=".
    Output& keyOf(int width) {
        const qsizetype written = m_asLines ? m_line.size() : m_bytes.size() - m_lineStart;
        for (qsizetype n = written; n < width - 1; ++n)
            *this << ' ';
        return *this << '=';
    }

    // Ends a line that names no field (a tag, a fixed line).
    void end() {
        end([] { return QString(); });
    }
    // Ends a line whose value comes from `field`, named only for lines.
    template <typename Field> void end(const Field& field) {
        if (m_asLines) {
            m_lines.push_back({std::move(m_line), field()});
            m_line = QString();
        } else {
            ascii7("\r\n", 2);
            m_lineStart = m_bytes.size();
        }
    }

    std::vector<Line> takeLines() { return std::move(m_lines); }
    QByteArray takeBytes() { return std::move(m_bytes); }

  private:
    // Copied as they stand: resizing within the reserved room is cheaper
    // than QByteArray's general insertion, and the report is mostly these.
    Output& ascii7(const char* text, size_t n) {
        if (m_asLines) {
            m_line += QLatin1StringView(text, qsizetype(n));
        } else {
            const qsizetype at = m_bytes.size();
            m_bytes.resize(at + qsizetype(n));
            std::memcpy(m_bytes.data() + at, text, n);
        }
        return *this;
    }

    const bool m_asLines;
    QString m_line;
    std::vector<Line> m_lines;
    QByteArray m_bytes;
    qsizetype m_lineStart = 0;
};

class Writer {
  public:
    Writer(const MainForm& f, Output& out) : m_f(f), m_out(out) {}

    void write(const QString& dateStamp) {
        head(dateStamp);
        operatorSection();
        sharingSection();
        locationSection();
        tag("<FILE_TABLE_4>");
        key("kovex_ST01") << " RADIOAMATEUR";
        m_out.end();
        tag("</FILE_TABLE_4>");
        antennaSection();
        testPointSection();
        powerSection();
        highestFieldSection();
        tag("<TAIL>");
        tag("</TAIL>");
    }

  private:
    QString text(const QString& control) const { return m_f.text(control); }
    QString cell(int column, int row) const { return m_f.sgdTP.cell(column, row); }
    QString height(int k) const { return m_f.text(ui::edtH[k]); }

    void tag(const char* tag) {
        m_out << tag;
        m_out.end();
    }
    Output& key(const char* name, int width = kKeyWidth) { return (m_out << name).keyOf(width); }
    void fixedKey(const char* name) {
        key(name);
        m_out.end();
    }
    // The line of the administrative record under this key. A field written
    // only while its box is checked is a blank otherwise, a line that names
    // no field.
    void record(const char* name) {
        const std::vector<const AdministrativeField*> fields = fieldsOfReportKey(QLatin1StringView(name));
        if (fields.empty())
            throw std::logic_error(std::string("no field of the report key ") + name);
        const AdministrativeField& first = *fields.front();
        key(name);
        if (first.onlyWhen.text != nullptr && !m_f.checked(first.onlyWhen)) {
            m_out << " ";
            m_out.end();
            return;
        }
        for (const AdministrativeField* field : fields)
            m_out << text(field->control) << field->reportAfter;
        m_out.end([&] { return QString::fromLatin1(first.reportLine ? first.reportLine : first.shownAs); });
    }

    // The summary cell of an antenna, named after its row heading.
    QString cellField(int column, int row) const {
        return cell(0, row).trimmed() + QStringLiteral(" of antenna ") + QString::number(column) +
               QStringLiteral(" in the summary");
    }
    QString pointField(int k, int column) const {
        return cell(column, 0) + QStringLiteral(" of test point ") + QString::number(k) +
               QStringLiteral(" in the summary");
    }

    void head(const QString& dateStamp) {
        tag("<HEAD>");
        key("kovex_date") << dateStamp;
        m_out.end([] { return QStringLiteral("Date"); });
        // the callsign once more, under a key of its own
        key("kovex_aa07") << text(ui::edtCallsign);
        m_out.end([] { return QStringLiteral("Callsign"); });
        static const char* const kLanguages[]{"Français", "Nederlands", "Deutsch"};
        const int language = m_f.itemIndex(ui::cmbLanguage);
        if (language >= 0 && language < 3) {
            key(languageField().reportKey) << QString::fromUtf8(kLanguages[language]);
            m_out.end();
        }
        tag("</HEAD>");
    }

    void operatorSection() {
        tag("<FILE_TABLE_1>");
        for (const char* name : {"kovex_AA01", "kovex_AA02", "kovex_AA03"})
            record(name);
        fixedKey("kovex_AA04");
        for (const char* name : {"kovex_AA05", "kovex_AA06", "kovex_AA07"})
            record(name);
        fixedKey("kovex_AA08");
        record("kovex_AA09");
        tag("</FILE_TABLE_1>");
    }

    // The shared-site key is one blank shorter than the others.
    void sharingSection() {
        tag("<FILE_TABLE_2>");
        key("kovex_BI01") << "RADIOAMATEUR";
        m_out.end();
        if (m_f.checked(ui::chkOtherOperator))
            m_out << "kovex_BS01  =The site is shared.";
        else
            key("kovex_BS01") << "The site is NOT shared.";
        m_out.end();
        record("kovex_AO01");
        tag("</FILE_TABLE_2>");
    }

    // Both coordinate forms go in, whichever the page shows.
    void locationSection() {
        tag("<FILE_TABLE_3>");
        fixedKey("kovex_LS01");
        for (const char* name : {"kovex_LS02", "kovex_LS03", "kovex_LS04", "kovex_LS05"})
            record(name);
        fixedKey("kovex_LS06");
        record("kovex_LS07LX");
        record("kovex_LS07LY");
        key("kovex_AS04") << (m_f.checked(ui::rdbExistingSite)
                                  ? "YES : there are already antennas on this site"
                                  : "NO : there are NO antennas on this site");
        m_out.end();
        record("kovex_AS05");
        tag("</FILE_TABLE_3>");
    }

    // The antennas are the summary columns up to the first without a type:
    // a later column after a gap is not reported.
    int antennaCount() const {
        int n = 0;
        while (n < summary::kLastAntennaColumn && !cell(n + 1, summary::kTypeRow).isEmpty())
            ++n;
        return n;
    }

    // The key of line j of antenna n, j in two digits.
    Output& antennaKey(int n, int j) { return m_out << "kovex_A" << n << (j < 10 ? "0" : "") << j << "   ="; }

    // Line j of antenna n is summary row j for j = 2..13, with its unit.
    void antennaSection() {
        static const char* const kUnitOfRow[]{"",          "",     "",     " M",   " DEG", " DEG",
                                              " DEG",      " DEG", " MHZ", " MHZ", " DBW", " DB ISOTROPE",
                                              " DBW EIRP", ""};
        tag("<FILE_TABLE_4B>");
        for (int n = 1; n <= antennaCount(); ++n) {
            antennaKey(n, 1) << n;
            m_out.end();
            for (int row = summary::kTypeRow; row <= summary::kLastAntennaRow; ++row) {
                antennaKey(n, row) << cell(n, row) << kUnitOfRow[row];
                m_out.end([=, this] { return cellField(n, row); });
            }
            antennaKey(n, 14) << "1";
            m_out.end();
        }
        tag("</FILE_TABLE_4B>");
    }

    // The key of a test point's line: its slot's code, then the line's own part.
    Output& pointKey(char slot, const char* tail, int width) {
        return (m_out << "kovex_m" << slot << tail).keyOf(width);
    }

    // Every slot with a height, in slot order; slot 5's unit has no blank.
    void testPointSection() {
        tag("<FILE_TABLE_5B>");
        for (int k = 1; k <= kTestPointSlots; ++k) {
            if (height(k).isEmpty())
                continue;
            pointKey(slotCode(k), "01", kKeyWidth) << UpperCaseAscii(m_f.text(ui::edtLocation[k]));
            m_out.end([k] { return "Description of test point " + QString::number(k); });
            pointKey(slotCode(k), "02", kKeyWidth) << height(k) << (k == 5 ? "M" : " M");
            m_out.end([k] { return "Height of test point " + QString::number(k); });
            pointKey(slotCode(k), "04", kKeyWidth) << cell(summary::kMaxFieldColumn, 14 + k) << " V/M";
            m_out.end([=, this] { return pointField(k, summary::kMaxFieldColumn); });
        }
        tag("</FILE_TABLE_5B>");
    }

    void powerLine(int n, const char* tail, int row, const char* unit) {
        m_out << "kovex_P" << n << tail << cell(n, row) << unit;
        m_out.end([=, this] { return cellField(n, row); });
    }

    // The power chain and the vertical pattern of 0 to 90 degrees; the value
    // beyond 90 degrees is not reported.
    void powerSection() {
        tag("<POWER_AND_ANTENNA>");
        for (int n = 1; n <= antennaCount(); ++n) {
            m_out << "kovex_P" << n << "01 antenna =" << n;
            m_out.end();
            powerLine(n, "02 output  =", 28, " W");
            powerLine(n, "03 kmode   =", 29, "");
            powerLine(n, "04 ktime   =", 30, "");
            powerLine(n, "05 feeder  =", 31, " DB");
            powerLine(n, "06 add     =", 32, " DB");
            powerLine(n, "07 input   =", 33, " W");
            powerLine(n, "08 ant ID  =", summary::kAntennaIdRow, "");
            for (int step = 0; step <= 9; ++step) {
                const int row = summary::kFirstPatternRow + step;
                m_out << "kovex_V" << n << "_" << step << "0        =" << cell(n, row) << " DBI";
                m_out.end([=, this] { return cellField(n, row); });
            }
        }
        tag("</POWER_AND_ANTENNA>");
    }

    void highestFieldSection() {
        tag("<MAX_FIELDS_SUMMARY>");
        for (int k = 1; k <= kTestPointSlots; ++k) {
            if (height(k).isEmpty())
                continue;
            const int row = 14 + k;
            const auto summaryLine = [&](const char* tail, int column, const char* unit) {
                (m_out << "kovex_m" << upperSlotCode(k) << "04" << tail).keyOf(kSummaryKeyWidth)
                    << cell(column, row) << unit;
                m_out.end([=, this] { return pointField(k, column); });
            };
            summaryLine("", summary::kMaxFieldColumn, " V/M");
            summaryLine("_by", summary::kFromAntennaColumn, "");
            summaryLine("_distance", summary::kDistanceColumn, " m");
            summaryLine("_height", summary::kHeightColumn, " m");
        }
        tag("</MAX_FIELDS_SUMMARY>");
    }

    const MainForm& m_f;
    Output& m_out;
};

[[noreturn]] void refuseField(const QString& field, const QString& problem) {
    throw KovexError("Nothing was saved: the field \"" + field + "\" holds " + problem + '.');
}

QByteArray encodedLine(const Line& line) {
    if (line.text.contains(QLatin1Char('\r')) || line.text.contains(QLatin1Char('\n')))
        refuseField(line.field, QStringLiteral("a line break, which would split its line of the report"));
    // A line the code page holds is encoded at once; only one it does not is
    // searched for the character to name.
    if (const std::optional<QByteArray> bytes = cp1252::encode(line.text))
        return *bytes;
    const std::optional<char32_t> c = cp1252::firstUnencodable(line.text);
    refuseField(line.field,
                cp1252::describe(c.value_or(0xFFFD)) + ", which the report's code page Windows-1252 lacks");
}

} // namespace

std::vector<Line> fileLines(const MainForm& f, const QString& dateStamp) {
    Output lines(true);
    Writer(f, lines).write(dateStamp);
    return lines.takeLines();
}

// A line is encoded straight into the report; only one that holds a line
// break or a character the code page lacks is looked at again, for the error.
QByteArray fileBytes(const std::vector<Line>& lines) {
    QByteArray bytes;
    bytes.reserve(qsizetype(lines.size()) * 48);
    for (const Line& line : lines) {
        const bool plain = !line.text.contains(QLatin1Char('\r')) && !line.text.contains(QLatin1Char('\n'));
        if (!plain || !cp1252::appendEncoded(line.text, bytes))
            bytes += encodedLine(line);
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace report

void WriteReportFile(Session& p, const QString& fileName) {
    writeReport(p.mainForm, reportDateStamp(p), fileName);
}

QString reportDateStamp(Session& p) {
    return tpai::dateStamp(p.platform.clock.now(), p.platform.locale.shortDateFormat(),
                           p.platform.locale.shortTimeFormat());
}

void writeReport(const MainForm& f, const QString& dateStamp, const QString& fileName) {
    QByteArray bytes;
    try {
        report::Output out(false);
        report::Writer(f, out).write(dateStamp);
        bytes = out.takeBytes();
    } catch (const report::Unwritable&) {
        // made again with the fields named, for the error to name the one at fault
        bytes = report::fileBytes(report::fileLines(f, dateStamp));
    }
    QFile file(fileName);
    wholefile::openEmptied(file);
    if (file.write(bytes) != bytes.size() || !file.flush())
        wholefile::failPlainly(wholefile::Fault::WriteFailed);
    file.close();
    if (file.error() != QFileDevice::NoError)
        wholefile::failPlainly(wholefile::Fault::WriteFailed);
}

} // namespace kovex
