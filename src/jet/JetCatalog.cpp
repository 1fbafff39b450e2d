#include "jet/JetCatalog.h"

#include "support/KovexError.h"

#include <QSet>

namespace kovex::jet::format {

namespace {

struct ColumnSpec {
    const char* name;
    quint8 type;
    int length;
};

int lengthOf(quint8 type) {
    switch (type) {
    case LongCode:
        return 4;
    case Int16Code:
        return 2;
    case ByteCode:
        return 1;
    case DoubleCode:
    case DateCode:
        return 8;
    case BinaryCode:
        return 255;
    case TextCode:
        return 510;
    default:
        return 0; // yes/no, memo and OLE keep nothing of fixed size
    }
}

bool fixedType(quint8 type) {
    return type != TextCode && type != MemoCode && type != OleCode && type != BinaryCode;
}

// Numbers the columns, places the fixed ones in the fixed area and gives the
// variable ones their slots, long values after the others.
void placeColumns(TableLayout& t) {
    int offset = 0, slot = 0;
    for (ColumnLayout& c : t.columns)
        if (c.fixed()) {
            c.fixedOffset = offset;
            offset += c.length;
        } else if (!c.longValue()) {
            c.varSlot = slot++;
        }
    for (ColumnLayout& c : t.columns)
        if (c.longValue())
            c.varSlot = slot++;
    for (const ColumnLayout& c : t.columns)
        if (c.longValue())
            t.longMaps.push_back(LongColumnMaps{c.number, {}, {}});
}

ColumnLayout column(const QString& name, quint8 type, int length, int number) {
    ColumnLayout c;
    c.name = name;
    c.type = type;
    c.length = length;
    c.number = number;
    c.flags = fixedType(type) ? quint8(FixedFlag | AlwaysFlag) : AlwaysFlag;
    return c;
}

TableLayout systemTable(const char* name, quint32 page, std::initializer_list<ColumnSpec> columns) {
    TableLayout t;
    t.name = QString::fromLatin1(name);
    t.tdefPage = page;
    t.system = true;
    int n = 0;
    for (const ColumnSpec& s : columns) {
        t.columns.push_back(
            column(QString::fromLatin1(s.name), s.type, s.length ? s.length : lengthOf(s.type), n));
        ++n;
    }
    placeColumns(t);
    return t;
}

void addIndex(TableLayout& t, const char* name, std::vector<int> columns, quint8 flags, bool primary) {
    IndexLayout i;
    i.columns = std::move(columns);
    i.flags = flags;
    t.indexes.push_back(i);
    t.logical.push_back(LogicalIndex{QString::fromLatin1(name), int(t.indexes.size()) - 1, primary});
}

QByteArray bytes(std::initializer_list<int> values) {
    QByteArray b;
    for (int v : values)
        b.append(char(v));
    return b;
}

// The properties Jet keeps for the database: the Access version and build.
QByteArray databaseProperties() {
    return QByteArray::fromHex(
        "4d5232002e00000080001a00410063006300650073007300560065007200730069006f006e000a004200750069006c006400"
        "2a0000"
        "0000000600000000001200000a00000a00300038002e00350030000c00000401000400dc190000");
}

CellRow catalogRow(qint32 id, qint32 parent, const QString& name, qint16 type, double now,
                   const QByteArray& owner, qint32 flags) {
    CellRow row(17);
    row[0] = id;
    row[1] = parent;
    row[2] = name;
    row[3] = type;
    row[4] = DateCell{now};
    row[5] = DateCell{now};
    row[6] = owner;
    row[7] = flags;
    return row;
}

constexpr qint32 SystemFlag = qint32(0x80000000u);

void checkName(const QString& what, const QString& name, bool catalog) {
    if (name.isEmpty() || name.size() > MaxNameChars)
        throw KovexError(what + QStringLiteral(": a name must have 1 to %1 characters").arg(MaxNameChars));
    for (QChar ch : name) {
        const bool plain = ch.unicode() < 0x80 && (ch.isLetterOrNumber() || ch == u'_');
        const bool allowed =
            catalog ? plain
                    : ch.unicode() >= 0x20 && !QStringLiteral(".!`[]").contains(ch) && ch != QChar(0x7F);
        if (!allowed)
            throw KovexError(
                what +
                (catalog ? QStringLiteral(": a table name may hold only the letters A to Z, the digits and _")
                         : QStringLiteral(": a column name may not hold . ! ` [ ] or control characters")));
    }
    if (name.startsWith(u' '))
        throw KovexError(what + QStringLiteral(": a name may not begin with a blank"));
}

void checkColumns(const TableDef& t, const QString& what) {
    if (t.columns.empty() || t.columns.size() > 255)
        throw KovexError(what + QStringLiteral(": a table must have 1 to 255 columns"));
    QSet<QString> names;
    for (const ColumnDef& c : t.columns) {
        const QString where = what + QStringLiteral(", column \"%1\"").arg(c.name);
        checkName(where, c.name, false);
        if (names.contains(c.name.toLower()))
            throw KovexError(where + QStringLiteral(": the table has two columns of this name"));
        names.insert(c.name.toLower());
        if (c.type == ColumnType::Text && (c.maxChars < 1 || c.maxChars > 255))
            throw KovexError(
                where + QStringLiteral(": a text column holds 1 to 255 characters, not %1").arg(c.maxChars));
    }
    if (t.primaryKey != -1 && (t.primaryKey < 0 || t.primaryKey >= int(t.columns.size()) ||
                               t.columns[size_t(t.primaryKey)].type != ColumnType::Long))
        throw KovexError(what + QStringLiteral(": the primary key must be one of its long-integer columns"));
}

} // namespace

std::vector<TableLayout> systemTables() {
    std::vector<TableLayout> t;
    t.push_back(systemTable("MSysObjects", 2,
                            {{"Id", LongCode, 0},
                             {"ParentId", LongCode, 0},
                             {"Name", TextCode, 0},
                             {"Type", Int16Code, 0},
                             {"DateCreate", DateCode, 0},
                             {"DateUpdate", DateCode, 0},
                             {"Owner", BinaryCode, 0},
                             {"Flags", LongCode, 0},
                             {"Database", MemoCode, 0},
                             {"Connect", MemoCode, 0},
                             {"ForeignName", TextCode, 0},
                             {"RmtInfoShort", BinaryCode, 0},
                             {"RmtInfoLong", OleCode, 0},
                             {"Lv", OleCode, 0},
                             {"LvProp", OleCode, 0},
                             {"LvModule", OleCode, 0},
                             {"LvExtra", OleCode, 0}}));
    addIndex(t.back(), "Id", {0}, IndexAlways | IndexUnique | IndexRequired, true);
    addIndex(t.back(), "ParentIdName", {1, 2}, IndexAlways | IndexUnique, false);
    t.push_back(systemTable("MSysACEs", 3,
                            {{"ObjectId", LongCode, 0},
                             {"SID", BinaryCode, 0},
                             {"ACM", LongCode, 0},
                             {"FInheritable", BoolCode, 0}}));
    addIndex(t.back(), "ObjectId", {0}, IndexAlways | IndexRequired, false);
    t.push_back(systemTable("MSysQueries", 4,
                            {{"ObjectId", LongCode, 0},
                             {"Attribute", ByteCode, 0},
                             {"Order", BinaryCode, 0},
                             {"Name1", TextCode, 0},
                             {"Name2", TextCode, 0},
                             {"Expression", MemoCode, 0},
                             {"Flag", Int16Code, 0},
                             {"LvExtra", LongCode, 0}}));
    addIndex(t.back(), "ObjectIdAttribute", {0, 1, 2}, IndexAlways | IndexUnique | IndexRequired, true);
    t.push_back(systemTable("MSysRelationships", 5,
                            {{"szRelationship", TextCode, 0},
                             {"grbit", LongCode, 0},
                             {"ccolumn", LongCode, 0},
                             {"icolumn", LongCode, 0},
                             {"szObject", TextCode, 0},
                             {"szColumn", TextCode, 0},
                             {"szReferencedObject", TextCode, 0},
                             {"szReferencedColumn", TextCode, 0}}));
    addIndex(t.back(), "szRelationship", {0}, IndexAlways | IndexIgnoreNulls, false);
    addIndex(t.back(), "szObject", {4}, IndexAlways | IndexIgnoreNulls, false);
    addIndex(t.back(), "szReferencedObject", {6}, IndexAlways | IndexIgnoreNulls, false);
    return t;
}

TableLayout userTable(const TableDef& def, quint32 tdefPage) {
    TableLayout t;
    t.name = def.name;
    t.tdefPage = tdefPage;
    int n = 0;
    for (const ColumnDef& c : def.columns) {
        static constexpr quint8 codes[] = {LongCode, DoubleCode, BoolCode, TextCode, MemoCode};
        const quint8 code = codes[int(c.type)];
        t.columns.push_back(column(c.name, code, code == TextCode ? 2 * c.maxChars : lengthOf(code), n++));
    }
    placeColumns(t);
    if (def.primaryKey >= 0)
        addIndex(t, "PrimaryKey", {def.primaryKey}, IndexAlways | IndexUnique | IndexRequired, true);
    return t;
}

std::vector<CellRow> catalogRows(const std::vector<std::pair<QString, quint32>>& userTables, double now) {
    const QByteArray jetOwner = bytes({0xA7, 0x31}), userOwner = bytes({0xA6, 0x33});
    std::vector<CellRow> rows;
    rows.push_back(catalogRow(TablesContainer, ContainersParent, QStringLiteral("Tables"), 3, now, jetOwner,
                              SystemFlag));
    rows.push_back(catalogRow(DatabasesContainer, ContainersParent, QStringLiteral("Databases"), 3, now,
                              jetOwner, SystemFlag));
    rows.push_back(catalogRow(RelationshipsContainer, ContainersParent, QStringLiteral("Relationships"), 3,
                              now, jetOwner, SystemFlag));
    rows.push_back(catalogRow(DatabaseObject, DatabasesContainer, QStringLiteral("MSysDb"), 2, now, userOwner,
                              SystemFlag));
    rows.back()[14] = databaseProperties();
    const char* system[] = {"MSysObjects", "MSysACEs", "MSysQueries", "MSysRelationships"};
    for (int i = 0; i < 4; ++i)
        rows.push_back(
            catalogRow(2 + i, TablesContainer, QString::fromLatin1(system[i]), 1, now, jetOwner, SystemFlag));
    for (const auto& [name, page] : userTables)
        rows.push_back(catalogRow(qint32(page), TablesContainer, name, 1, now, userOwner, 0));
    return rows;
}

std::vector<CellRow> accessRows(const std::vector<CellRow>& catalog) {
    // Full rights (1048575) for the admin user, the admins and the users
    // groups on every object; the containers hand theirs down (a user table
    // has the rights of the Tables container), other objects keep them.
    const QByteArray sids[] = {bytes({0xA6, 0x33}), bytes({0xA7, 0x33}), bytes({0xA7, 0x36})};
    std::vector<CellRow> rows;
    for (const CellRow& object : catalog) {
        const bool container = std::get<qint32>(object[1]) == ContainersParent;
        for (const QByteArray& sid : sids)
            rows.push_back(CellRow{std::get<qint32>(object[0]), sid, qint32(1048575), container});
    }
    return rows;
}

void checkSchema(const std::vector<TableDef>& schema) {
    QSet<QString> names;
    for (const TableDef& t : schema) {
        const QString what = QStringLiteral("Table \"%1\"").arg(t.name);
        checkName(what, t.name, true);
        if (t.name.startsWith(QStringLiteral("MSys"), Qt::CaseInsensitive))
            throw KovexError(what + QStringLiteral(": names beginning with MSys belong to Jet's own tables"));
        if (names.contains(t.name.toLower()))
            throw KovexError(what + QStringLiteral(": the schema has two tables of this name"));
        names.insert(t.name.toLower());
        checkColumns(t, what);
    }
}

} // namespace kovex::jet::format
