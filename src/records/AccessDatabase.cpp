#include "records/AccessDatabase.h"

#include "calc/SummaryGrid.h"
#include "calc/TestPoints.h"
#include "jet/JetDatabase.h"
#include "model/ControlNames.h"
#include "model/MainForm.h"
#include "records/AdministrativeRecord.h"
#include "support/AsciiText.h"
#include "support/KovexError.h"
#include "support/NumberText.h"

#include <QHash>
#include <QStringList>

#include <array>
#include <initializer_list>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>

namespace kovex::access {

// Column names made from literals hold no copy of their characters.
using namespace Qt::Literals::StringLiterals;

namespace {

// An empty field is stored as an empty text, never as a missing value.
QVariant text(const QString& value) {
    return value.isNull() ? QVariant(QStringLiteral("")) : QVariant(value);
}
QVariant text(const char* value) {
    return text(QString::fromUtf8(value));
}
QVariant flag(bool value) {
    return QVariant(value);
}

QString control(const MainForm& f, const QString& name) {
    return f.text(name);
}

class CaseReader {
  public:
    explicit CaseReader(const MainForm& f) : m_f(f) {}

    QString cell(int column, int row) const { return m_f.sgdTP.cell(column, row); }
    double number(int column, int row) const { return num::toFloat(cell(column, row)); }
    // An input power in dBW as dBm.
    double dBm(int column, int row) const { return num::finite(number(column, row) + 30); }

    // Antennas are the summary columns up to the first without a type.
    int antennaCount() const {
        int c = 0;
        while (c < summary::kLastAntennaColumn && !cell(c + 1, summary::kTypeRow).isEmpty())
            ++c;
        return c;
    }

    // Test points are the rows up to the first without a field of antenna 1.
    int testPointCount() const {
        int k = 0;
        while (k < kTestPointSlots && !cell(1, summary::kFirstTestPointRow + k).isEmpty())
            ++k;
        return k;
    }

  private:
    const MainForm& m_f;
};

// The value of a column of the administrative record: the texts of its
// fields joined, a whole number set only when its field holds one, or a
// box's check. None for a whole number not given.
std::optional<QVariant> recordValue(const MainForm& f, const char* column) {
    const std::vector<const AdministrativeField*> fields = fieldsOfAccessColumn(QLatin1StringView(column));
    if (fields.empty())
        throw std::logic_error(std::string("no field of the access column ") + column);
    const AdministrativeField& first = *fields.front();
    if (first.onlyWhen.text != nullptr && !f.checked(first.onlyWhen))
        return text(" ");
    switch (first.accessValue) {
    case AccessValue::Flag:
        return flag(f.checked(first.control));
    case AccessValue::Whole:
        if (control(f, first.control).isEmpty())
            return std::nullopt;
        return num::toInt(control(f, first.control));
    case AccessValue::Text:
        break;
    }
    QString joined;
    for (const AdministrativeField* field : fields)
        joined += control(f, field->control) + QString::fromLatin1(field->accessAfter);
    return text(joined);
}

// A column of a File table: the record's when it has no fixed text.
struct Column {
    const char* name;
    const char* fixed = nullptr;
};

void addColumns(TableRow& row, const MainForm& f, std::initializer_list<Column> columns) {
    for (const Column& column : columns) {
        if (column.fixed != nullptr)
            row.push_back({QString::fromLatin1(column.name), text(column.fixed)});
        else if (const std::optional<QVariant> value = recordValue(f, column.name))
            row.push_back({QString::fromLatin1(column.name), *value});
    }
}

Table file1Table(const MainForm& f) {
    TableRow row{{u"File1PK"_s, kCaseKey}};
    addColumns(row, f,
               {{"AA01NameApplicant"},
                {"AA02AddressApplicant"},
                {"AA03ZipCodeApplicant"},
                {"AA03CityApplicant"},
                {"AA04NameContactApplicant", ""},
                {"AA05TelContactApplicant"},
                {"AA06EmailContactApplicant"},
                {"AA07RefApplicant"},
                {"AA08RefBIPTApplicant", " "},
                {"AA09InfoApplicant"},
                {"AA10ReceiptAttestAntennasDescription", " "}});
    return {u"File1Table"_s, {row}};
}

Table file2Table(const MainForm& f) {
    TableRow row{{u"File2PK"_s, kCaseKey}};
    addColumns(row, f,
               {{"BI01SiteDescription", "RADIOAMATEUR"}, {"BS01SiteShareable"}, {"AO01OtherExploitant"}});
    for (int i = 2; i <= 8; ++i)
        row.push_back({QStringLiteral("AO0%1OtherExploitant").arg(i), text("")});
    return {u"File2Table"_s, {row}};
}

Table file3Table(const MainForm& f) {
    TableRow row{{u"File3PK"_s, kCaseKey}};
    addColumns(row, f,
               {{"ES01NameOwnerSite", ""},
                {"ES02AddressOwnerSite", ""},
                {"ES03ZipCodeOwnerSite", ""},
                {"ES03CityOwnerSite", ""},
                {"ES04TelephoneOwnerSite", ""},
                {"ES05InfoOwnerSite", " "},
                {"LS01DescriptionLocationSite", ""},
                {"LS02AddressSite"},
                {"LS03ZipCodeSite"},
                {"LS03CitySite"},
                {"LS04XCoordinateSiteDeg"},
                {"LS04XCoordinateSiteMin"},
                {"LS04XCoordinateSiteSec"},
                {"LS05YCoordinateSiteDeg"},
                {"LS05YCoordinateSiteMin"},
                {"LS05YCoordinateSiteSec"},
                {"LS06InfoSite", " "},
                {"AS04SiteExists"},
                {"AS05InfoSituationSite"},
                {"LS07XLambertCoordinates"},
                {"LS07YLambertCoordinates"}});
    return {u"File3Table"_s, {row}};
}

// A radio amateur's site offers none of the listed services.
Table file4Table() {
    TableRow row{{u"File4PK"_s, kCaseKey}};
    for (const char* service : {"ST01GSM900", "ST01GSM1800", "ST01UMTS", "ST01PMR", "ST01WLL",
                                "ST01FMBroadcast", "ST01TVBroadcast", "ST01FX", "ST01TETRA"})
        row.push_back({QString::fromLatin1(service), flag(false)});
    row.push_back({u"ST01Other10MHHz10GHz"_s, text("RADIOAMATEUR")});
    row.push_back({u"ST01Outside10MHz10GHz"_s, text(" ")});
    row.push_back({u"ST01ERMES"_s, flag(false)});
    return {u"File4Table"_s, {row}};
}

TableRow antennaRow(const CaseReader& sgd, int c) {
    return {{u"AntennaPK"_s, c},
            {u"FileFK"_s, kCaseKey},
            {u"AntennaNr"_s, c},
            {u"DefaultAntennaFK"_s, c},
            {u"AntennaName"_s, text(sgd.cell(c, 1))},
            {u"AntennaType"_s, text(sgd.cell(c, 2))},
            {u"AntennaPositionHeight"_s, sgd.number(c, 3)},
            {u"AntennaAzimut"_s, num::toInt(sgd.cell(c, 4))},
            {u"AntennaTilt"_s, sgd.number(c, 6)},
            {u"AntennaElectricalTilt"_s, 0.0},
            {u"AntennaMechanicalTilt"_s, sgd.number(c, 6)},
            {u"AntennaEntryPowerdBm"_s, sgd.dBm(c, 10)},
            {u"AntennaFrequency"_s, sgd.number(c, 8)},
            {u"AntennaHorizontalOpening"_s, sgd.number(c, 5)},
            {u"AntennaVerticalOpening"_s, sgd.number(c, 7)},
            {u"AntennaFromFrequency"_s, sgd.number(c, 8)},
            {u"AntennaToFrequency"_s, sgd.number(c, 9)},
            {u"AntennaGaindB"_s, sgd.number(c, 11)},
            {u"AntennaGainRef"_s, text("I")},
            {u"AntennaEIRPdBW"_s, sgd.number(c, 12)},
            {u"AntennaPolarization"_s, text(sgd.cell(c, 13))},
            {u"AntennaNumberOfTransmitters"_s, 1},
            {u"AntennaDefaultTxPowerdBm"_s, 0.0},
            {u"PagingAntenna"_s, flag(false)},
            {u"AIRAntenna"_s, flag(false)},
            {u"CeilingOrHorizonMounted"_s, flag(false)},
            {u"InverseMounted"_s, flag(false)}};
}

Table file4BTable(const CaseReader& sgd) {
    Table table{u"File4BTable"_s, {}};
    for (int c = 1; c <= sgd.antennaCount(); ++c)
        table.rows.push_back(antennaRow(sgd, c));
    return table;
}

// The height and the highest field over all antennas come from the
// summary; the distance is not written.
TableRow pointRow(const MainForm& f, const CaseReader& sgd, int k) {
    const int row = 14 + k;
    const int wallType = f.itemIndex(ui::cmbSA[k]);
    return {{u"PointPK"_s, k},
            {u"FileFK"_s, kCaseKey},
            {u"PointNr"_s, k},
            {u"PointDescription"_s, text(UpperCaseAscii(f.text(ui::edtLocation[k])))},
            {u"PointHeight"_s, sgd.number(summary::kHeightColumn, row)},
            {u"MeasuredFieldApplicant"_s, sgd.number(summary::kMaxFieldColumn, row)},
            {u"AttenuationdB"_s, WallAttenuationdB(wallType, f.values.BandAndTilt.FreqMinMHz)},
            {u"CanadianCalculation"_s, flag(false)},
            {u"AttenuationTypeFK"_s, wallType + 1}};
}

Table file5BTable(const MainForm& f, const CaseReader& sgd) {
    Table table{u"File5BTable"_s, {}};
    for (int k = 1; k <= sgd.testPointCount(); ++k)
        table.rows.push_back(pointRow(f, sgd, k));
    return table;
}

// The language the regulator answers in; none when the list shows none.
Table file5Table() {
    return {u"File5Table"_s, {TableRow{{u"File5PK"_s, kCaseKey}}}};
}

Table fileTable(const MainForm& f) {
    TableRow row{{u"FilePK"_s, kCaseKey}};
    const int language = f.itemIndex(ui::cmbLanguage);
    if (language >= 0 && language < 3)
        row.push_back(
            {QString::fromLatin1(languageField().accessColumn), text(QStringList{"F", "N", "D"}[language])});
    return {u"FileTable"_s, {row}};
}

TableRow defaultAntennaRow(const CaseReader& sgd, int c) {
    return {{u"DefaultAntennaPK"_s, c},
            {u"DefaultAntennaType"_s, text(sgd.cell(c, 2))},
            {u"DefaultAntennaTilt"_s, sgd.number(c, 6)},
            {u"DefaultAntennaHorizontalBeamWidth"_s, 360.0},
            {u"DefaultAntennaVerticalBeamWidth"_s, 0.0},
            {u"DefaultAntennaGaindB"_s, sgd.number(c, 11)},
            {u"ApertureAntenna"_s, flag(false)},
            {u"DefaultAntennaPolarisation"_s, text(sgd.cell(c, 13))},
            {u"DefaultAntennaFrequencyMHz"_s, sgd.number(c, 8)},
            {u"DefaultAntennaPowerdBm"_s, sgd.dBm(c, 10)},
            {u"CircularAntenna"_s, flag(false)}};
}

TableRow diagramRow(const QString& keyColumn, int key, int c, double from, double to, double gaindB) {
    return {{keyColumn, key},
            {u"DefaultAntennaFK"_s, c},
            {u"FromAngle"_s, from},
            {u"ToAngle"_s, to},
            {u"GaindB"_s, gaindB}};
}

// The horizontal pattern is taken as omnidirectional.
Table horizontalDiagramTable(const CaseReader& sgd) {
    Table table{u"DefaultAntennaHorizontalDiagramEntryTable"_s, {}};
    for (int c = 1; c <= sgd.antennaCount(); ++c)
        table.rows.push_back(
            diagramRow(u"DefaultAntennaHorizontalDiagramEntryPK"_s, c, c, -180.5, 180.5, 0.0));
    return table;
}

// Twenty ranges of elevation per antenna, gains relative to the one at 0
// degrees: the 0-degree range twice, then for every 10-degree step the range
// below the horizon and its mirror above. One key counts over the table.
Table verticalDiagramTable(const CaseReader& sgd) {
    const QString keyColumn = u"DefaultAntennaVerticalDiagramEntryPK"_s;
    Table table{u"DefaultAntennaVerticalDiagramEntryTable"_s, {}};
    int key = 0;
    for (int c = 1; c <= sgd.antennaCount(); ++c) {
        const double horizontaldBi = sgd.number(c, summary::kFirstPatternRow);
        for (int repeat = 0; repeat < 2; ++repeat)
            table.rows.push_back(diagramRow(keyColumn, ++key, c, -5, 5, 0.0));
        for (int step = 1; step <= 9; ++step) {
            const double gaindB =
                num::finite(sgd.number(c, summary::kFirstPatternRow + step) - horizontaldBi);
            const double inner = 10.0 * step - 5;
            const double outer = 10.0 * step + 5;
            table.rows.push_back(diagramRow(keyColumn, ++key, c, -outer, -inner, gaindB));
            table.rows.push_back(diagramRow(keyColumn, ++key, c, inner, outer, gaindB));
        }
    }
    return table;
}

Table defaultAntennaTable(const CaseReader& sgd) {
    Table table{u"DefaultAntennaTable"_s, {}};
    for (int c = 1; c <= sgd.antennaCount(); ++c)
        table.rows.push_back(defaultAntennaRow(sgd, c));
    return table;
}

// A value as the column holds it: a whole number in a column of doubles is
// that double; any other value of the wrong kind is left for the database
// to refuse.
jet::Value columnValue(const jet::ColumnDef& column, const QVariant& value) {
    if (value.isNull())
        return std::monostate{};
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool();
    case QMetaType::Int:
        if (column.type == jet::ColumnType::Double)
            return value.toDouble();
        return static_cast<qint32>(value.toInt());
    case QMetaType::Double:
        return value.toDouble();
    default:
        return value.toString();
    }
}

// Jet finds names ignoring case, one character at a time: names of other
// lengths never match. The rows mostly spell a name as the file does, and
// no two columns of a table differ only by case, so the same spelling is
// looked for first, which is much cheaper than a comparison ignoring case.
int columnIndex(const jet::TableDef& table, const QString& name) {
    for (std::size_t i = 0; i < table.columns.size(); ++i)
        if (table.columns[i].name == name)
            return static_cast<int>(i);
    for (std::size_t i = 0; i < table.columns.size(); ++i)
        if (table.columns[i].name.size() == name.size() &&
            table.columns[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    throw KovexError("table " + table.name + " has no column named " + name);
}

// The columns of one table found by the names the rows give them, each
// name looked up once. The rows of a table repeat the same names, mostly
// in the same places: the name last found at a place is tried first.
class ColumnFinder {
  public:
    explicit ColumnFinder(const jet::TableDef& table) : m_table(table) {}
    std::size_t operator()(std::size_t place, const QString& name) {
        if (place < m_byPlace.size() && m_byPlace[place].first == name)
            return m_byPlace[place].second;
        const std::size_t i = find(name);
        if (place >= m_byPlace.size())
            m_byPlace.resize(place + 1);
        m_byPlace[place] = {name, i};
        return i;
    }

  private:
    std::size_t find(const QString& name) {
        const auto found = m_found.constFind(name);
        if (found != m_found.constEnd())
            return *found;
        const auto i = static_cast<std::size_t>(columnIndex(m_table, name));
        m_found.insert(name, i);
        return i;
    }

    const jet::TableDef& m_table;
    QHash<QString, std::size_t> m_found;
    std::vector<std::pair<QString, std::size_t>> m_byPlace;
};

// Columns a row does not set are NULL.
jet::Row jetRow(const jet::TableDef& table, ColumnFinder& columns, const TableRow& row) {
    jet::Row values(table.columns.size(), std::monostate{});
    for (std::size_t place = 0; place < row.size(); ++place) {
        const ColumnValue& value = row[place];
        const std::size_t i = columns(place, value.column);
        values[i] = columnValue(table.columns[i], value.value);
    }
    return values;
}

} // namespace

namespace {

// The tables moved into the list: a vector made from braces would copy
// every row. Braces still make them from the left, which decides which of
// two numbers that do not convert is the one named.
template <std::size_t N> std::vector<Table> movedIntoList(std::array<Table, N>&& tables) {
    return std::vector<Table>(std::make_move_iterator(tables.begin()), std::make_move_iterator(tables.end()));
}

} // namespace

std::vector<Table> fileTables(const MainForm& f) {
    const CaseReader sgd(f);
    return movedIntoList(std::array{file1Table(f), file2Table(f), file3Table(f), file4Table(),
                                    file4BTable(sgd), file5Table(), file5BTable(f, sgd), fileTable(f)});
}

std::vector<Table> defaultAntennaTables(const MainForm& f) {
    const CaseReader sgd(f);
    return movedIntoList(
        std::array{defaultAntennaTable(sgd), horizontalDiagramTable(sgd), verticalDiagramTable(sgd)});
}

namespace {

void writeTablesInto(jet::Database& db, const std::vector<Table>& tables) {
    for (const Table& table : tables) {
        const std::optional<jet::TableDef> definition = db.table(table.name);
        if (!definition)
            throw KovexError("no such table: " + table.name);
        ColumnFinder columns(*definition);
        std::vector<jet::Row> rows;
        rows.reserve(table.rows.size());
        for (const TableRow& row : table.rows)
            rows.push_back(jetRow(*definition, columns, row));
        db.replaceRows(definition->name, rows);
    }
}

} // namespace

void writeTables(jet::Database& database, const std::vector<Table>& tables) {
    // One copy of the file for all the tables rather than one each.
    database.change([&](jet::Database& db) { writeTablesInto(db, tables); });
}

} // namespace kovex::access
