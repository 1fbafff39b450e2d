#include "jet/JetFile.h"

#include "jet/JetCatalog.h"
#include "jet/JetTdef.h"

#include "support/KovexError.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <set>
#include <string_view>

namespace kovex::jet::format {

namespace {

const QByteArray HeaderKey("\xC7\xDA\x39\x6B", 4);
constexpr int MaskedStart = 0x18, MaskedBytes = 128;
const MapRef GlobalMap{0, 1};
constexpr qint32 CatalogSystemFlag = qint32(0x80000000u);

[[noreturn]] void refuse(const QString& text) {
    throw KovexError(text);
}

QByteArray headerPage(double now) {
    QByteArray p(PageSize, '\0');
    p[1] = 0x01;
    p.replace(4, 16, QByteArray("Standard Jet DB\0", 16));
    p[0x14] = 0x01; // Jet 4.0
    put16(p, 0x3C, 1252);
    put32(p, 0x3E, 0); // no database key: pages are stored plainly
    const quint32 mask = quint32(qint32(std::floor(now)));
    for (int i = 0; i < 40; ++i) // no password: the field is its mask
        put8(p, 0x42 + i, mask >> (8 * (i % 4)));
    put16(p, 0x6E, 0x0409); // General sort order, version 0 (legacy) at 0x71
    put16(p, 0x70, 0);
    quint64 bits;
    std::memcpy(&bits, &now, 8);
    // The sort order's version byte at 0x71 is followed by the date; some
    // readers take 0x71 and 0x72 as one number, which a date ending in a
    // zero byte (a change of 1e-13 days) keeps at the default.
    bits &= ~quint64(0xFF);
    put32(p, 0x72, quint32(bits));
    put32(p, 0x76, quint32(bits >> 32));
    rc4(p, MaskedStart, MaskedBytes, HeaderKey);
    return p;
}

// Data pages holding usage-map rows, 69 bytes each.
class MapRows {
  public:
    explicit MapRows(PageAllocator& pages) : m_pages(pages) {}
    MapRef add(quint32 firstPage = 0, bool markFirst = false) {
        QByteArray& f = m_pages.file();
        if (m_page == 0 || m_rows == (PageSize - DataHeaderBytes) / (UsageMapRowBytes + 2)) {
            m_page = m_pages.allocate();
            const int at = int(m_page) * PageSize;
            put8(f, at, DataPage);
            put8(f, at + 1, 0x01);
            m_rows = 0;
        }
        const int at = int(m_page) * PageSize;
        const int start = PageSize - UsageMapRowBytes * (m_rows + 1);
        put16(f, at + DataHeaderBytes + 2 * m_rows, quint32(start));
        put8(f, at + start, 0);
        put32(f, at + start + 1, markFirst ? firstPage : 0);
        if (markFirst)
            put8(f, at + start + 5, 1);
        ++m_rows;
        put16(f, at + 12, quint32(m_rows));
        put16(f, at + 2, quint32(PageSize - DataHeaderBytes - m_rows * (UsageMapRowBytes + 2)));
        return MapRef{m_rows - 1, m_page};
    }

  private:
    PageAllocator& m_pages;
    quint32 m_page = 0;
    int m_rows = 0;
};

void placeMaps(TableLayout& t, PageAllocator& pages) {
    MapRows rows(pages);
    t.owned = rows.add();
    t.free = rows.add();
    for (IndexLayout& i : t.indexes) {
        i.root = pages.allocate();
        i.map = rows.add(i.root, true);
    }
    for (LongColumnMaps& m : t.longMaps) {
        m.owned = rows.add();
        m.free = rows.add();
    }
}

PageSet withRoom(const QByteArray& file, const std::vector<quint32>& pages) {
    PageSet result;
    if (!pages.empty() && u16(file, int(pages.back()) * PageSize + 2) > 0)
        result.insert(pages.back()); // new rows go to the last page
    return result;
}

const LongColumnMaps* ownMaps(const TableLayout& t, int column) {
    for (const LongColumnMaps& m : t.longMaps)
        if (m.column == column)
            return &m;
    return nullptr;
}

[[noreturn]] void refuseColumn(const TableLayout& t, const ColumnLayout& c, const QString& detail) {
    refuse(QStringLiteral("Table \"%1\", column \"%2\": %3").arg(t.name, c.name, detail));
}

const ColumnLayout& firstColumn(const TableLayout& t, const IndexLayout& i) {
    static const ColumnLayout none;
    const ColumnLayout* c = i.columns.empty() ? nullptr : t.column(i.columns[0]);
    return c ? *c : none;
}

// The key of an entry is all of it but the row's place, the last four bytes.
std::vector<std::string_view> entryKeys(const std::vector<QByteArray>& entries) {
    std::vector<std::string_view> keys;
    keys.reserve(entries.size());
    for (const QByteArray& e : entries)
        keys.emplace_back(e.constData(), size_t(e.size() - 4));
    return keys;
}

void writeIndexes(TableLayout& t, QByteArray& file, const std::vector<std::vector<QByteArray>>& entriesOf) {
    for (size_t n = 0; n < t.indexes.size(); ++n) {
        IndexLayout& index = t.indexes[n];
        const std::vector<QByteArray>& entries = entriesOf[n];
        std::vector<std::string_view> keys = entryKeys(entries);
        std::sort(keys.begin(), keys.end());
        if ((index.flags & IndexUnique) && std::adjacent_find(keys.begin(), keys.end()) != keys.end())
            refuseColumn(t, firstColumn(t, index),
                         QStringLiteral("two rows hold the same key of a unique index"));
        writeLeaf(file, index.root, t.tdefPage, entries, [&] {
            refuseColumn(t, firstColumn(t, index),
                         QStringLiteral("%1 rows are more than one index page holds").arg(entries.size()));
        });
        // Jet counts the distinct keys of an index in its definition.
        index.rowCount = quint32(std::unique(keys.begin(), keys.end()) - keys.begin());
        writeMap(file, index.map, {index.root}, QStringLiteral("Table \"%1\"").arg(t.name));
    }
}

// Writes the rows on new pages with their long values and index entries,
// and the table's usage maps and row counts.
void fillTable(TableLayout& t, const std::vector<CellRow>& rows, PageAllocator& pages) {
    QByteArray& file = pages.file();
    const Refusal fail = [&](const ColumnLayout& c, const QString& detail) { refuseColumn(t, c, detail); };
    std::map<int, PageFiller> longPages; // -1: long values kept among the table's own pages
    const auto longFiller = [&](int column) -> PageFiller& {
        const int key = ownMaps(t, column) ? column : -1;
        return longPages.try_emplace(key, pages, QByteArray("LVAL")).first->second;
    };
    PageFiller data(pages, ownerBytes(t.tdefPage));
    std::vector<std::vector<QByteArray>> entries(t.indexes.size());
    const RowShape shape(t);
    QByteArray row;
    row.reserve(MaxRowBytes);
    for (size_t r = 0; r < rows.size(); ++r) {
        encodeRow(t, shape, rows[r], longFiller, fail, row);
        if (row.size() > MaxRowBytes)
            refuse(QStringLiteral(
                       "Table \"%1\", row %2: a row of %3 bytes is longer than the %4 bytes Jet allows")
                       .arg(t.name)
                       .arg(r + 1)
                       .arg(row.size())
                       .arg(MaxRowBytes));
        const auto [page, slot] = data.add(row);
        for (size_t n = 0; n < t.indexes.size(); ++n)
            if (auto key = indexKey(t, t.indexes[n], rows[r], fail))
                entries[n].push_back(indexEntry(std::move(*key), page, slot));
    }
    writeIndexes(t, file, entries);
    const QString what = QStringLiteral("Table \"%1\"").arg(t.name);
    PageSet owned(data.pages().begin(), data.pages().end());
    if (longPages.count(-1))
        owned.insert(longPages.at(-1).pages().begin(), longPages.at(-1).pages().end());
    writeMap(file, t.owned, owned, what);
    writeMap(file, t.free, withRoom(file, data.pages()), what);
    for (const LongColumnMaps& m : t.longMaps) {
        const auto it = longPages.find(m.column);
        const std::vector<quint32> none;
        const std::vector<quint32>& used = it == longPages.end() ? none : it->second.pages();
        writeMap(file, m.owned, PageSet(used.begin(), used.end()), what);
        writeMap(file, m.free, withRoom(file, used), what);
    }
    t.rowCount = quint32(rows.size());
}

void writeGlobalMap(QByteArray& file, const PageSet& free) {
    const RowSpan span = rowSpan(file, GlobalMap.page, GlobalMap.row, QStringLiteral("The global usage map"));
    const int at = int(GlobalMap.page) * PageSize + span.start;
    if (u8(file, at) == 0 &&
        quint64(pageCount(file)) > u32(file, at + 1) + quint64(span.end - span.start - 5) * 8)
        refuse(QStringLiteral("The database would have %1 pages, more than its usage map describes")
                   .arg(pageCount(file)));
    writeMap(file, GlobalMap, free, QStringLiteral("The global usage map"));
}

void writeNewGlobalMap(QByteArray& file) {
    const int at = int(GlobalMap.page) * PageSize;
    put8(file, at, DataPage);
    put8(file, at + 1, 0x01);
    put16(file, at + 2, quint32(PageSize - DataHeaderBytes - UsageMapRowBytes - 2));
    put16(file, at + 12, 1);
    put16(file, at + DataHeaderBytes, quint32(PageSize - UsageMapRowBytes));
    PageSet free; // pages past the end are free to take
    for (int p = pageCount(file); p < InlineMapPages; ++p)
        free.insert(quint32(p));
    writeGlobalMap(file, free);
}

void addFixedPages(PageSet& pages, const TableLayout& t) {
    pages.insert(t.tdefPages.begin(), t.tdefPages.end());
    pages.insert({t.owned.page, t.free.page});
    for (const IndexLayout& i : t.indexes)
        pages.insert({i.map.page, i.root});
    for (const LongColumnMaps& m : t.longMaps)
        pages.insert({m.owned.page, m.free.page});
}

// Pages that hold definitions, usage maps or indexes, which rows never take.
PageSet structurePages(const std::vector<TableLayout>& tables) {
    PageSet pages{0, GlobalMap.page};
    for (const TableLayout& t : tables)
        addFixedPages(pages, t);
    return pages;
}

// The pages a table's usage maps claim; a table whose maps cannot be read
// claims nothing more.
PageSet tableClaims(const QByteArray& file, const TableLayout& t) {
    PageSet pages;
    const QString what = QStringLiteral("Table \"%1\"").arg(t.name);
    try {
        for (quint32 p : readMap(file, t.owned, what))
            pages.insert(p);
        for (const LongColumnMaps& m : t.longMaps)
            for (quint32 p : readMap(file, m.owned, what))
                pages.insert(p);
    } catch (const KovexError&) {
    }
    return pages;
}

bool inlineMap(const QByteArray& file, MapRef ref) {
    try {
        const RowSpan span = rowSpan(file, ref.page, ref.row, QString());
        return span.end - span.start >= 5 && u8(file, int(ref.page) * PageSize + span.start) == 0;
    } catch (const KovexError&) {
        return false;
    }
}

bool inlineMaps(const QByteArray& file, const TableLayout& t) {
    if (!inlineMap(file, t.owned))
        return false;
    for (const LongColumnMaps& m : t.longMaps)
        if (!inlineMap(file, m.owned))
            return false;
    return true;
}

// The data and long-value pages of the table, each checked to be one.
PageSet pagesToFree(const QByteArray& file, const TableLayout& t, const PageSet& structure) {
    const QString what = QStringLiteral("Table \"%1\"").arg(t.name);
    PageSet pages;
    const auto take = [&](quint32 p, bool longValuesOnly) {
        const int at = pageAt(file, p, what);
        const QByteArray owner = file.mid(at + 4, 4);
        const bool ours = u8(file, at) == DataPage &&
                          (owner == "LVAL" || (!longValuesOnly && owner == ownerBytes(t.tdefPage)));
        if (!ours || structure.contains(p))
            refuse(what +
                   QStringLiteral(": its usage map claims page %1, which holds something else").arg(p));
        pages.insert(p);
    };
    for (quint32 p : readMap(file, t.owned, what))
        take(p, false);
    for (const LongColumnMaps& m : t.longMaps)
        for (quint32 p : readMap(file, m.owned, what))
            take(p, true);
    return pages;
}

} // namespace

bool isUserTable(const TableLayout& t, qint32 catalogFlags) {
    return !t.system && !(catalogFlags & CatalogSystemFlag) &&
           !t.name.startsWith(QStringLiteral("MSys"), Qt::CaseInsensitive);
}

JetFile JetFile::create(const std::vector<TableDef>& schema, double now) {
    JetFile f;
    f.m_tables = systemTables();
    std::vector<std::pair<QString, quint32>> names;
    for (size_t i = 0; i < schema.size(); ++i) {
        f.m_tables.push_back(format::userTable(schema[i], FirstUserTdef + quint32(i)));
        names.emplace_back(schema[i].name, FirstUserTdef + quint32(i));
    }
    f.m_bytes = headerPage(now) + QByteArray(PageSize * qsizetype(1 + f.m_tables.size()), '\0');
    PageAllocator pages(f.m_bytes, {});
    for (TableLayout& t : f.m_tables)
        placeMaps(t, pages);
    const std::vector<CellRow> catalog = catalogRows(names, now);
    for (TableLayout& t : f.m_tables)
        fillTable(t,
                  t.name == QLatin1String("MSysObjects") ? catalog
                  : t.name == QLatin1String("MSysACEs")  ? accessRows(catalog)
                                                         : std::vector<CellRow>{},
                  pages);
    for (TableLayout& t : f.m_tables)
        writeTableDefinition(t, pages);
    writeNewGlobalMap(f.m_bytes);
    f.m_user.assign(f.m_tables.size(), true);
    for (size_t i = 0; i < 4; ++i)
        f.m_user[i] = false;
    return f;
}

std::vector<const TableLayout*> JetFile::userTables() const {
    std::vector<const TableLayout*> result;
    for (size_t i = 0; i < m_tables.size(); ++i)
        if (m_user[i])
            result.push_back(&m_tables[i]);
    return result;
}

const TableLayout* JetFile::userTable(const QString& name) const {
    for (const TableLayout* t : userTables())
        if (t->name.compare(name, Qt::CaseInsensitive) == 0)
            return t;
    return nullptr;
}

const TableLayout& JetFile::requireUserTable(const QString& name) const {
    if (const TableLayout* t = userTable(name))
        return *t;
    refuse(QStringLiteral("Table \"%1\": the database has no table of this name").arg(name));
}

size_t JetFile::tableIndex(const QString& name) const {
    size_t n = 0;
    while (n < m_tables.size() && (!m_user[n] || m_tables[n].name.compare(name, Qt::CaseInsensitive) != 0))
        ++n;
    if (n == m_tables.size())
        requireUserTable(name); // throws: no such table
    return n;
}

void JetFile::replaceRowsInPlace(const QString& name, const std::vector<CellRow>& rows) {
    const size_t n = tableIndex(name);
    replaceIn(n, m_tables[n], m_bytes, rows);
}

void JetFile::replaceRows(const QString& name, const std::vector<CellRow>& rows) {
    const size_t n = tableIndex(name);
    TableLayout t = m_tables[n];
    QByteArray file = m_bytes;
    replaceIn(n, t, file, rows);
}

// Replaces the rows of table n in `t` and `file`, which become the file's
// own when the replacement succeeds (they may be its own already).
void JetFile::replaceIn(size_t n, TableLayout& t, QByteArray& file, const std::vector<CellRow>& rows) {
    if (!file.isDetached()) // the one copy, with room for new pages
        file.reserve(file.size() + 16 * qsizetype{PageSize});
    const PageSet freed = pagesToFree(file, t, structure());
    PageSet globalFree = takeGlobalFree();
    PageSet reusable = freed;
    const int pagesBefore = pageCount(file);
    readClaims();
    // Most free pages lie past the end of the file: only those within it count.
    const auto pastTheEnd = globalFree.lowerBound(quint32(pagesBefore));
    for (auto p = globalFree.begin(); p != pastTheEnd; ++p)
        if (!claimed(*p))
            reusable.insert(*p);
    PageAllocator pages(file, std::move(reusable));
    fillTable(t, rows, pages);
    writeRowCounts(file, t);
    PageSet free = std::move(globalFree);
    free.insert(freed.begin(), freed.end());
    for (quint32 p : pages.taken())
        free.erase(p);
    for (quint32 p : pages.unused())
        if (freed.contains(p))
            std::memset(file.data() + qsizetype(p) * PageSize, 0, PageSize);
    writeGlobalMap(file, free);
    if (&file != &m_bytes)
        m_bytes = file;
    if (&t != &m_tables[n])
        m_tables[n] = t;
    keepClaims(n, freed, pages.taken(), pagesBefore);
    keepGlobalFree(std::move(free));
}

// The free pages the global map marks, as last read or written; a map of
// the inline kind reads back exactly as written. Taken out while a
// replacement runs, so that a refused one leaves it to be read again.
PageSet JetFile::takeGlobalFree() {
    if (m_globalFree) {
        PageSet free = std::move(*m_globalFree);
        m_globalFree.reset();
        return free;
    }
    return readMap(m_bytes, GlobalMap, QStringLiteral("The global usage map"));
}

void JetFile::keepGlobalFree(PageSet free) {
    if (inlineMap(m_bytes, GlobalMap))
        m_globalFree = std::move(free);
}

const PageSet& JetFile::structure() const {
    if (!m_structure)
        m_structure = structurePages(m_tables); // the layouts' pages: no replacement moves them
    return *m_structure;
}

void JetFile::prepareReplacements() const {
    structure();
    readClaims();
}

// What the tables' usage maps claim, unless kept from before: read once a
// replacement, for claimed().
void JetFile::readClaims() const {
    if (m_claimsKnown)
        return;
    m_claims.clear();
    bool allInline = true;
    for (const TableLayout& t : m_tables) {
        m_claims.push_back(tableClaims(m_bytes, t));
        allInline = allInline && inlineMaps(m_bytes, t);
    }
    m_claimsKnown = allInline; // else read again each time, as they may change with the file
}

// Whether something of the file holds the page, for pages the global map
// calls free but are not.
bool JetFile::claimed(quint32 page) const {
    if (structure().contains(page))
        return true;
    return std::any_of(m_claims.begin(), m_claims.end(),
                       [page](const PageSet& c) { return c.contains(page); });
}

// After the rows of one table were replaced, only its own claims changed,
// unless a page came from the global map's free pages rather than from the
// table itself: then all are read again when next needed.
void JetFile::keepClaims(size_t table, const PageSet& freed, const std::vector<quint32>& taken,
                         int pagesBefore) {
    if (!m_claimsKnown)
        return;
    for (quint32 p : taken)
        if (p < quint32(pagesBefore) && !freed.contains(p)) {
            m_claimsKnown = false;
            return;
        }
    m_claims[table] = tableClaims(m_bytes, m_tables[table]);
}

namespace {

void checkHeader(const QByteArray& bytes) {
    if (bytes.size() < 3 * qsizetype{PageSize} || bytes.size() % PageSize != 0)
        refuse(QStringLiteral("The file is no Jet database: its size is no whole number of pages"));
    if (bytes.left(4) != QByteArray("\x00\x01\x00\x00", 4) ||
        bytes.mid(4, 16) != QByteArray("Standard Jet DB\0", 16))
        refuse(QStringLiteral(
            "The file is no Jet database (an Access 2007 or later file, or another kind of file)"));
    const quint32 version = u8(bytes, 0x14);
    if (version != 0x01)
        refuse(QStringLiteral("The database is in the format of Jet %1, not Jet 4.0 (Access 2000 to 2003)")
                   .arg(version == 0 ? QStringLiteral("3") : QStringLiteral("version %1").arg(version)));
    QByteArray header = bytes.left(PageSize);
    rc4(header, MaskedStart, MaskedBytes, HeaderKey);
    if (u32(header, 0x3E) != 0)
        refuse(QStringLiteral("The database is encrypted, which this library does not read"));
}

int catalogColumn(const TableLayout& catalog, const char* name, quint8 type) {
    for (size_t i = 0; i < catalog.columns.size(); ++i)
        if (catalog.columns[i].name == QLatin1String(name) && catalog.columns[i].type == type)
            return int(i);
    refuse(
        QStringLiteral("The catalog has no column \"%1\" of the kind Jet gives it").arg(QLatin1String(name)));
}

QString typeName(quint8 type) {
    switch (type) {
    case ByteCode:
        return QStringLiteral("byte");
    case Int16Code:
        return QStringLiteral("integer");
    case MoneyCode:
        return QStringLiteral("currency");
    case FloatCode:
        return QStringLiteral("single");
    case DateCode:
        return QStringLiteral("date/time");
    case BinaryCode:
        return QStringLiteral("binary");
    case OleCode:
        return QStringLiteral("OLE object");
    default:
        return QStringLiteral("code %1").arg(type);
    }
}

// Columns that share a number, a variable slot or bytes of the fixed area
// would lose a value when the table is written again.
void checkColumnPlaces(const TableLayout& t) {
    std::set<int> numbers, varSlots;
    std::vector<std::pair<int, int>> fixed;
    for (const ColumnLayout& c : t.columns) {
        if (!numbers.insert(c.number).second)
            refuseColumn(t, c, QStringLiteral("two columns have the same number"));
        if (!c.fixed() && (c.varSlot >= t.varCount() || !varSlots.insert(c.varSlot).second))
            refuseColumn(t, c, QStringLiteral("a variable column without a place of its own"));
        if (c.fixed() && c.type != BoolCode)
            fixed.emplace_back(c.fixedOffset, c.fixedOffset + c.length);
    }
    std::sort(fixed.begin(), fixed.end());
    for (size_t i = 1; i < fixed.size(); ++i)
        if (fixed[i].first < fixed[i - 1].second)
            refuse(QStringLiteral("Table \"%1\": two columns share bytes of a row").arg(t.name));
}

void checkUserTable(const QByteArray& bytes, const TableLayout& t) {
    checkColumnPlaces(t);
    for (const ColumnLayout& c : t.columns) {
        const bool known = c.type == BoolCode || c.type == LongCode || c.type == DoubleCode ||
                           c.type == TextCode || c.type == MemoCode;
        if (!known)
            refuseColumn(t, c,
                         QStringLiteral("a column of type %1, which this library does not read")
                             .arg(typeName(c.type)));
        if (c.fixed() != (c.type != TextCode && c.type != MemoCode) ||
            (c.type == LongCode && c.length != 4) || (c.type == DoubleCode && c.length != 8))
            refuseColumn(t, c, QStringLiteral("a column whose definition does not match its type"));
    }
    for (const IndexLayout& i : t.indexes) {
        readLeaf(bytes, i.root, QStringLiteral("Table \"%1\"").arg(t.name));
        for (int number : i.columns)
            if (!t.column(number))
                refuse(QStringLiteral("Table \"%1\": an index on a column that does not exist").arg(t.name));
    }
    readRows(bytes, t);
}

} // namespace

JetFile JetFile::read(const QByteArray& bytes) {
    checkHeader(bytes);
    JetFile f;
    f.m_bytes = bytes;
    const TableLayout catalog = readTableLayout(bytes, 2, QStringLiteral("MSysObjects"));
    const int id = catalogColumn(catalog, "Id", LongCode), name = catalogColumn(catalog, "Name", TextCode),
              type = catalogColumn(catalog, "Type", Int16Code),
              flags = catalogColumn(catalog, "Flags", LongCode);
    readMap(bytes, GlobalMap, QStringLiteral("The global usage map"));
    PageSet pages;
    for (const StoredRow& row : readRows(bytes, catalog)) {
        const auto* kind = std::get_if<qint16>(&row.cells[size_t(type)]);
        const auto* object = std::get_if<qint32>(&row.cells[size_t(id)]);
        const auto* title = std::get_if<QString>(&row.cells[size_t(name)]);
        if (!kind || *kind != 1 || !object || !title)
            continue; // not a table of this file
        const quint32 page = quint32(*object) & 0x00FFFFFF;
        const auto* objectFlags = std::get_if<qint32>(&row.cells[size_t(flags)]);
        if (!pages.insert(page))
            refuse(QStringLiteral("Table \"%1\": the catalog names its definition page %2 twice")
                       .arg(*title)
                       .arg(page));
        TableLayout t = page == 2 ? catalog : readTableLayout(bytes, page, *title);
        t.name = *title;
        const bool user = isUserTable(t, objectFlags ? *objectFlags : 0);
        if (user)
            checkUserTable(bytes, t);
        f.m_tables.push_back(std::move(t));
        f.m_user.push_back(user);
    }
    return f;
}

} // namespace kovex::jet::format
