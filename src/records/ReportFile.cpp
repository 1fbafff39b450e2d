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

#include <functional>
#include <stdexcept>
#include <string>

namespace kovex {

namespace report {

namespace {

// Most keys are 14 characters with "=" the last; the summary keys of the
// highest fields are 21.
constexpr int kKeyWidth = 14;
constexpr int kSummaryKeyWidth = 21;

QString key(const QString& name, int width = kKeyWidth) {
    return name.leftJustified(width - 1, QLatin1Char(' ')) + QLatin1Char('=');
}

// Slot k is "1".."9", then "a".."c" in the test-point section and "A".."C"
// in the summary section.
QChar slotCode(int k) {
    return k <= 9 ? QChar(u'0' + k) : QChar(u'a' + (k - 10));
}
QChar upperSlotCode(int k) {
    return k <= 9 ? QChar(u'0' + k) : QChar(u'A' + (k - 10));
}

// The field a line's value comes from, named only when asked: naming the
// cells of the summary costs more than writing the whole report.
using Field = std::function<QString()>;

class Writer {
  public:
    // Without `fields`, the lines name no field (for a report that is
    // written again with them when a value is refused).
    explicit Writer(const MainForm& f, bool fields = true) : m_f(f), m_fields(fields) {}

    std::vector<Line> lines(const QString& dateStamp) {
        head(dateStamp);
        operatorSection();
        sharingSection();
        locationSection();
        tag("<FILE_TABLE_4>");
        fixed(key("kovex_ST01") + " RADIOAMATEUR");
        tag("</FILE_TABLE_4>");
        antennaSection();
        testPointSection();
        powerSection();
        highestFieldSection();
        tag("<TAIL>");
        tag("</TAIL>");
        return std::move(m_lines);
    }

  private:
    QString text(const QString& control) const { return m_f.text(control); }
    QString cell(int column, int row) const { return m_f.sgdTP.cell(column, row); }
    QString height(int k) const { return m_f.text(ui::edtH[k]); }

    void tag(const char* tag) { m_lines.push_back({QString::fromLatin1(tag), {}}); }
    void fixed(const QString& line) { m_lines.push_back({line, {}}); }
    void value(const QString& key, const QString& value, const QString& field) {
        m_lines.push_back({key + value, field});
    }
    void value(const QString& key, const QString& value, const Field& field) {
        m_lines.push_back({key + value, m_fields ? field() : QString()});
    }
    // The line of the administrative record under this key. A field written
    // only while its box is checked is a blank otherwise, a line that names
    // no field.
    void record(const char* name) {
        const std::vector<const AdministrativeField*> fields = fieldsOfReportKey(QLatin1StringView(name));
        if (fields.empty())
            throw std::logic_error(std::string("no field of the report key ") + name);
        const AdministrativeField& first = *fields.front();
        if (first.onlyWhen.text != nullptr && !m_f.checked(first.onlyWhen)) {
            fixed(key(QString::fromLatin1(name)) + " ");
            return;
        }
        QString joined;
        for (const AdministrativeField* field : fields)
            joined += text(field->control) + QString::fromLatin1(field->reportAfter);
        value(key(QString::fromLatin1(name)), joined,
              QString::fromLatin1(first.reportLine ? first.reportLine : first.shownAs));
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
        value(key("kovex_date"), dateStamp, QStringLiteral("Date"));
        // the callsign once more, under a key of its own
        value(key("kovex_aa07"), text(ui::edtCallsign), QStringLiteral("Callsign"));
        static const char* const kLanguages[]{"Français", "Nederlands", "Deutsch"};
        const int language = m_f.itemIndex(ui::cmbLanguage);
        if (language >= 0 && language < 3)
            fixed(key(QString::fromLatin1(languageField().reportKey)) +
                  QString::fromUtf8(kLanguages[language]));
        tag("</HEAD>");
    }

    void operatorSection() {
        tag("<FILE_TABLE_1>");
        for (const char* name : {"kovex_AA01", "kovex_AA02", "kovex_AA03"})
            record(name);
        fixed(key("kovex_AA04"));
        for (const char* name : {"kovex_AA05", "kovex_AA06", "kovex_AA07"})
            record(name);
        fixed(key("kovex_AA08"));
        record("kovex_AA09");
        tag("</FILE_TABLE_1>");
    }

    // The shared-site key is one blank shorter than the others.
    void sharingSection() {
        tag("<FILE_TABLE_2>");
        fixed(key("kovex_BI01") + "RADIOAMATEUR");
        if (m_f.checked(ui::chkOtherOperator))
            fixed(QStringLiteral("kovex_BS01  =The site is shared."));
        else
            fixed(key("kovex_BS01") + "The site is NOT shared.");
        record("kovex_AO01");
        tag("</FILE_TABLE_2>");
    }

    // Both coordinate forms go in, whichever the page shows.
    void locationSection() {
        tag("<FILE_TABLE_3>");
        fixed(key("kovex_LS01"));
        for (const char* name : {"kovex_LS02", "kovex_LS03", "kovex_LS04", "kovex_LS05"})
            record(name);
        fixed(key("kovex_LS06"));
        record("kovex_LS07LX");
        record("kovex_LS07LY");
        if (m_f.checked(ui::rdbExistingSite))
            fixed(key("kovex_AS04") + "YES : there are already antennas on this site");
        else
            fixed(key("kovex_AS04") + "NO : there are NO antennas on this site");
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

    void antennaLine(
        int n, int j, const QString& text, const Field& field = [] { return QString(); }) {
        value("kovex_A" + QString::number(n) + QString::number(j).rightJustified(2, QLatin1Char('0')) +
                  "   =",
              text, field);
    }

    // Line j of antenna n is summary row j for j = 2..13, with its unit.
    void antennaSection() {
        static const char* const kUnitOfRow[]{"",          "",     "",     " M",   " DEG", " DEG",
                                              " DEG",      " DEG", " MHZ", " MHZ", " DBW", " DB ISOTROPE",
                                              " DBW EIRP", ""};
        tag("<FILE_TABLE_4B>");
        for (int n = 1; n <= antennaCount(); ++n) {
            antennaLine(n, 1, QString::number(n));
            for (int row = summary::kTypeRow; row <= summary::kLastAntennaRow; ++row)
                antennaLine(n, row, cell(n, row) + QString::fromLatin1(kUnitOfRow[row]),
                            [=, this] { return cellField(n, row); });
            antennaLine(n, 14, QStringLiteral("1"));
        }
        tag("</FILE_TABLE_4B>");
    }

    // Every slot with a height, in slot order; slot 5's unit has no blank.
    void testPointSection() {
        tag("<FILE_TABLE_5B>");
        for (int k = 1; k <= kTestPointSlots; ++k) {
            if (height(k).isEmpty())
                continue;
            const QString slot = QStringLiteral("kovex_m") + slotCode(k);
            value(key(slot + "01"), UpperCaseAscii(m_f.text(ui::edtLocation[k])),
                  Field([k] { return "Description of test point " + QString::number(k); }));
            value(key(slot + "02"), height(k) + (k == 5 ? "M" : " M"),
                  Field([k] { return "Height of test point " + QString::number(k); }));
            value(key(slot + "04"), cell(summary::kMaxFieldColumn, 14 + k) + " V/M",
                  Field([=, this] { return pointField(k, summary::kMaxFieldColumn); }));
        }
        tag("</FILE_TABLE_5B>");
    }

    void powerLine(int n, const char* tail, int row, const char* unit) {
        value("kovex_P" + QString::number(n) + QString::fromLatin1(tail),
              cell(n, row) + QString::fromLatin1(unit), Field([=, this] { return cellField(n, row); }));
    }

    // The power chain and the vertical pattern of 0 to 90 degrees; the value
    // beyond 90 degrees is not reported.
    void powerSection() {
        tag("<POWER_AND_ANTENNA>");
        for (int n = 1; n <= antennaCount(); ++n) {
            fixed("kovex_P" + QString::number(n) + "01 antenna =" + QString::number(n));
            powerLine(n, "02 output  =", 28, " W");
            powerLine(n, "03 kmode   =", 29, "");
            powerLine(n, "04 ktime   =", 30, "");
            powerLine(n, "05 feeder  =", 31, " DB");
            powerLine(n, "06 add     =", 32, " DB");
            powerLine(n, "07 input   =", 33, " W");
            powerLine(n, "08 ant ID  =", summary::kAntennaIdRow, "");
            for (int step = 0; step <= 9; ++step) {
                const int row = summary::kFirstPatternRow + step;
                value("kovex_V" + QString::number(n) + "_" + QString::number(step) + "0        =",
                      cell(n, row) + " DBI", Field([=, this] { return cellField(n, row); }));
            }
        }
        tag("</POWER_AND_ANTENNA>");
    }

    void highestFieldSection() {
        tag("<MAX_FIELDS_SUMMARY>");
        for (int k = 1; k <= kTestPointSlots; ++k) {
            if (height(k).isEmpty())
                continue;
            const QString slot = QStringLiteral("kovex_m") + upperSlotCode(k) + "04";
            const int row = 14 + k;
            const auto summaryLine = [&](const char* tail, int column, const char* unit) {
                value(key(slot + QString::fromLatin1(tail), kSummaryKeyWidth),
                      cell(column, row) + QString::fromLatin1(unit),
                      Field([=, this] { return pointField(k, column); }));
            };
            summaryLine("", summary::kMaxFieldColumn, " V/M");
            summaryLine("_by", summary::kFromAntennaColumn, "");
            summaryLine("_distance", summary::kDistanceColumn, " m");
            summaryLine("_height", summary::kHeightColumn, " m");
        }
        tag("</MAX_FIELDS_SUMMARY>");
    }

    const MainForm& m_f;
    const bool m_fields;
    std::vector<Line> m_lines;
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
    return Writer(f).lines(dateStamp);
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
    const QString stamp = tpai::dateStamp(p.platform.clock.now(), p.platform.locale.shortDateFormat(),
                                          p.platform.locale.shortTimeFormat());
    QByteArray bytes;
    try {
        bytes = report::fileBytes(report::Writer(p.mainForm, false).lines(stamp));
    } catch (const KovexError&) {
        // made again with the fields named, for the error to name the one at fault
        bytes = report::fileBytes(report::fileLines(p.mainForm, stamp));
    }
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        wholefile::failPlainly(wholefile::Fault::CannotCreate);
    if (file.write(bytes) != bytes.size() || !file.flush())
        wholefile::failPlainly(wholefile::Fault::WriteFailed);
    file.close();
    if (file.error() != QFileDevice::NoError)
        wholefile::failPlainly(wholefile::Fault::WriteFailed);
}

} // namespace kovex
