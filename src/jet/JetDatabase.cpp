#include "jet/JetDatabase.h"

#include "jet/JetCatalog.h"
#include "jet/JetFile.h"
#include "jet/JetStorage.h"
#include "jet/JetTdef.h"

#include "support/KovexError.h"
#include "support/WholeFile.h"

#include <QDateTime>
#include <QIODevice>

#include <cmath>
#include <map>

namespace kovex::jet {

using namespace format;

struct DatabaseData {
    JetFile file;
    bool changing = false;             // within change(): the file is a copy, changed in place
    std::optional<KovexError> refusal; // the first replacement refused within change()
};

namespace {

Cell toCell(const ColumnLayout& c, const Value& v) {
    if (c.type == BoolCode && std::holds_alternative<std::monostate>(v))
        return false; // Jet keeps no missing yes/no: the bit is the value
    return std::visit([](const auto& x) -> Cell { return x; }, v);
}

Value toValue(const Cell& c) {
    if (const auto* v = std::get_if<qint32>(&c))
        return *v;
    if (const auto* v = std::get_if<double>(&c))
        return *v;
    if (const auto* v = std::get_if<bool>(&c))
        return *v;
    if (const auto* v = std::get_if<QString>(&c))
        return *v;
    return std::monostate{};
}

ColumnType publicType(quint8 code) {
    switch (code) {
    case LongCode:
        return ColumnType::Long;
    case DoubleCode:
        return ColumnType::Double;
    case BoolCode:
        return ColumnType::Boolean;
    case TextCode:
        return ColumnType::Text;
    default:
        return ColumnType::Memo;
    }
}

TableDef publicTable(const TableLayout& t) {
    TableDef def;
    def.name = t.name;
    for (const ColumnLayout& c : t.columns)
        def.columns.push_back(ColumnDef{c.name, publicType(c.type), c.type == TextCode ? c.length / 2 : 255});
    for (const LogicalIndex& l : t.logical) {
        const IndexLayout& i = t.indexes[size_t(l.physical)];
        if (!l.primary || i.columns.size() != 1)
            continue;
        for (size_t k = 0; k < t.columns.size(); ++k)
            if (t.columns[k].number == i.columns[0] && t.columns[k].type == LongCode)
                def.primaryKey = int(k);
    }
    return def;
}

double daysNow() {
    return double(QDateTime::currentMSecsSinceEpoch()) / 86400000.0 + 25569.0;
}

} // namespace

Database::Database(std::unique_ptr<DatabaseData> data) : m_data(std::move(data)) {}
// A copy is a database of its own, outside any change() of the original.
Database::Database(const Database& other)
    : m_data(std::make_unique<DatabaseData>(DatabaseData{other.m_data->file, false, std::nullopt})) {}
Database& Database::operator=(const Database& other) {
    if (this != &other)
        m_data = std::make_unique<DatabaseData>(DatabaseData{other.m_data->file, false, std::nullopt});
    return *this;
}
Database::Database(Database&&) noexcept = default;
Database& Database::operator=(Database&&) noexcept = default;
Database::~Database() = default;

Database Database::create(const std::vector<TableDef>& schema) {
    checkSchema(schema);
    return Database(std::make_unique<DatabaseData>(
        DatabaseData{JetFile::create(schema, daysNow()), false, std::nullopt}));
}

Database Database::read(const QByteArray& fileBytes) {
    return Database(
        std::make_unique<DatabaseData>(DatabaseData{JetFile::read(fileBytes), false, std::nullopt}));
}

std::vector<TableDef> Database::tables() const {
    std::vector<TableDef> defs;
    for (const TableLayout* t : m_data->file.userTables())
        defs.push_back(publicTable(*t));
    return defs;
}

std::optional<TableDef> Database::table(const QString& name) const {
    if (const TableLayout* t = m_data->file.userTable(name))
        return publicTable(*t);
    return std::nullopt;
}

std::vector<Row> Database::rows(const QString& table) const {
    const TableLayout& t = m_data->file.requireUserTable(table);
    std::vector<Row> rows;
    for (const StoredRow& stored : readRows(m_data->file.bytes(), t)) {
        Row row;
        for (const Cell& c : stored.cells)
            row.push_back(toValue(c));
        rows.push_back(std::move(row));
    }
    return rows;
}

void Database::replaceRows(const QString& table, const std::vector<Row>& rows) {
    const TableLayout& t = m_data->file.requireUserTable(table);
    std::vector<CellRow> cells;
    cells.reserve(rows.size());
    for (size_t r = 0; r < rows.size(); ++r) {
        if (rows[r].size() != t.columns.size())
            throw KovexError(QStringLiteral("Table \"%1\", row %2: %3 values for the table's %4 columns")
                                 .arg(t.name)
                                 .arg(r + 1)
                                 .arg(rows[r].size())
                                 .arg(t.columns.size()));
        CellRow row;
        row.reserve(t.columns.size());
        for (size_t i = 0; i < t.columns.size(); ++i)
            row.push_back(toCell(t.columns[i], rows[r][i]));
        cells.push_back(std::move(row));
    }
    const QString name = t.name;
    if (!m_data->changing) {
        m_data->file.replaceRows(name, cells); // all or nothing itself
        return;
    }
    try {
        m_data->file.replaceRowsInPlace(name, cells);
    } catch (const KovexError& e) {
        m_data->refusal = e; // the copy may be half changed: change() keeps none of it
        throw;
    }
}

void Database::change(const std::function<void(Database&)>& edit) {
    if (m_data->changing) { // already a copy of its own
        edit(*this);
        return;
    }
    Database work(*this);
    work.m_data->changing = true;
    edit(work);
    if (work.m_data->refusal)
        throw *work.m_data->refusal;
    work.m_data->changing = false;
    *this = std::move(work);
}

Database Database::scratchCopy() const {
    m_data->file.prepareReplacements(); // once for every scratch copy of this database
    Database scratch(*this);
    scratch.m_data->changing = true; // as within change(): every change goes in place
    return scratch;
}

QByteArray Database::bytes() const {
    return m_data->file.bytes();
}

void saveFile(const Database& db, const QString& path) {
    wholefile::saveOrFail(path, db.bytes());
}

} // namespace kovex::jet
