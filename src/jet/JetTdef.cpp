#include "jet/JetTdef.h"

#include "support/KovexError.h"

#include <algorithm>

namespace kovex::jet::format {

namespace {

constexpr int HeaderBytes = 63;
constexpr int IndexCountBytes = 12;
constexpr int ColumnBytes = 25;
constexpr int PhysicalBytes = 52;
constexpr int LogicalBytes = 28;
constexpr int MaxDefinitionPages = 64;

// A bounds-checked cursor over a definition.
struct Cursor {
    const QByteArray& b;
    const QString& what;
    int at = 0;
    void need(int n) const {
        if (!fits(b, at, n))
            throw KovexError(what + ": its definition ends too early");
    }
    quint32 take8() {
        need(1);
        return u8(b, at++);
    }
    quint32 take16() {
        need(2);
        at += 2;
        return u16(b, at - 2);
    }
    quint32 take24() {
        need(3);
        at += 3;
        return u24(b, at - 3);
    }
    quint32 take32() {
        need(4);
        at += 4;
        return u32(b, at - 4);
    }
    QString name() {
        const int n = int(take16());
        need(n);
        at += n;
        return decodeText(b.mid(at - n, n), what);
    }
    MapRef map() {
        MapRef m;
        m.row = int(take8());
        m.page = take24();
        return m;
    }
};

QByteArray definitionBytes(const QByteArray& file, quint32 page, const QString& what,
                           std::vector<quint32>& pages) {
    QByteArray def;
    while (true) {
        const int at = pageAt(file, page, what);
        if (u8(file, at) != TdefPage || std::find(pages.begin(), pages.end(), page) != pages.end() ||
            pages.size() >= MaxDefinitionPages)
            throw KovexError(what + QStringLiteral(": page %1 is no table definition").arg(page));
        pages.push_back(page);
        def += pages.size() == 1 ? file.mid(at, PageSize) : file.mid(at + 8, PageSize - 8);
        page = u32(file, at + 4);
        if (page == 0)
            return def;
    }
}

ColumnLayout readColumn(Cursor& c) {
    c.need(ColumnBytes);
    const QByteArray& b = c.b;
    const int at = c.at;
    ColumnLayout col;
    col.type = quint8(b[at]);
    col.number = int(u16(b, at + 5));
    col.varSlot = int(u16(b, at + 7));
    col.flags = quint8(b[at + 15]);
    col.fixedOffset = int(u16(b, at + 21));
    col.length = int(u16(b, at + 23));
    c.at += ColumnBytes;
    return col;
}

IndexLayout readPhysical(Cursor& c, quint32 rows) {
    c.need(PhysicalBytes);
    IndexLayout index;
    index.rowCount = rows;
    c.at += 4;
    for (int i = 0; i < 10; ++i) {
        const quint32 column = c.take16();
        c.take8();
        if (column != 0xFFFF)
            index.columns.push_back(int(column));
    }
    index.map = c.map();
    index.root = c.take32();
    c.take32();
    index.flags = quint8(c.take8());
    c.at += 5;
    return index;
}

void readIndexes(Cursor& c, TableLayout& t, const std::vector<quint32>& rowCounts, quint32 logical) {
    for (quint32 rows : rowCounts)
        t.indexes.push_back(readPhysical(c, rows));
    for (quint32 i = 0; i < logical; ++i) {
        c.need(LogicalBytes);
        LogicalIndex l;
        l.physical = int(u32(c.b, c.at + 8));
        l.primary = u8(c.b, c.at + 23) == 1;
        if (l.physical < 0 || l.physical >= int(t.indexes.size()))
            throw KovexError(c.what + ": an index on a missing index block");
        c.at += LogicalBytes;
        t.logical.push_back(l);
    }
    for (LogicalIndex& l : t.logical)
        l.name = c.name();
}

} // namespace

TableLayout readTableLayout(const QByteArray& file, quint32 page, const QString& name) {
    const QString what = QStringLiteral("Table \"%1\"").arg(name);
    TableLayout t;
    t.name = name;
    t.tdefPage = page;
    const QByteArray def = definitionBytes(file, page, what, t.tdefPages);
    Cursor c{def, what, 16};
    t.rowCount = c.take32();
    t.nextAutoNumber = c.take32();
    c.at = 40;
    t.system = c.take8() == 0x53;
    c.take16();
    c.take16();
    const int columns = int(c.take16());
    const quint32 logical = c.take32(), physical = c.take32();
    if (physical > 64 || logical > 64)
        throw KovexError(what + ": a definition with more indexes than Jet allows");
    t.owned = c.map();
    t.free = c.map();
    std::vector<quint32> rowCounts;
    for (quint32 i = 0; i < physical; ++i) {
        c.take32();
        rowCounts.push_back(c.take32());
        c.take32();
    }
    for (int i = 0; i < columns; ++i)
        t.columns.push_back(readColumn(c));
    for (ColumnLayout& col : t.columns)
        col.name = c.name();
    readIndexes(c, t, rowCounts, logical);
    while (c.at + 2 <= def.size()) {
        const quint32 column = c.take16();
        if (column == 0xFFFF)
            break;
        LongColumnMaps m;
        m.column = int(column);
        m.owned = c.map();
        m.free = c.map();
        t.longMaps.push_back(m);
    }
    std::stable_sort(t.columns.begin(), t.columns.end(),
                     [](const auto& a, const auto& b) { return a.number < b.number; });
    return t;
}

namespace {

void appendName(QByteArray& b, const QString& name) {
    const QByteArray bytes = *encodeText(name);
    append16(b, quint32(bytes.size()));
    b += bytes;
}

void appendMap(QByteArray& b, MapRef m) {
    b.append(char(m.row));
    b.append(char(m.page & 0xFF)).append(char((m.page >> 8) & 0xFF)).append(char((m.page >> 16) & 0xFF));
}

QByteArray columnBlock(const ColumnLayout& c) {
    QByteArray b(ColumnBytes, '\0');
    put8(b, 0, c.type);
    put32(b, 1, MagicTable);
    put16(b, 5, quint32(c.number));
    put16(b, 7, c.fixed() ? 0 : quint32(c.varSlot));
    put16(b, 9, quint32(c.number));
    if (c.type == TextCode || c.type == MemoCode)
        put16(b, 11, 0x0409); // General sort order, version 0
    put8(b, 15, c.flags);
    put16(b, 21, c.fixed() ? quint32(c.fixedOffset) : 0);
    put16(b, 23, quint32(c.length));
    return b;
}

QByteArray physicalBlock(const IndexLayout& i) {
    QByteArray b;
    append32(b, MagicIndex);
    for (size_t k = 0; k < 10; ++k) {
        append16(b, k < i.columns.size() ? quint32(i.columns[k]) : 0xFFFF);
        b.append(char(k < i.columns.size() ? 0x01 : 0x00)); // ascending
    }
    appendMap(b, i.map);
    append32(b, i.root);
    append32(b, 0);
    b.append(char(i.flags));
    b.append(QByteArray(5, '\0'));
    return b;
}

QByteArray logicalBlock(const LogicalIndex& l, int number) {
    QByteArray b(LogicalBytes, '\0');
    put32(b, 0, MagicIndex);
    put32(b, 4, quint32(number));
    put32(b, 8, quint32(l.physical));
    put32(b, 13, 0xFFFFFFFF); // no related index
    put8(b, 23, l.primary ? 1 : 0);
    return b;
}

QByteArray header(const TableLayout& t) {
    QByteArray b(HeaderBytes, '\0');
    put8(b, 0, TdefPage);
    put8(b, 1, 0x01);
    put32(b, 12, MagicTable);
    put32(b, 16, t.rowCount);
    put32(b, 20, t.nextAutoNumber);
    put8(b, 24, 0x01); // lets Access number rows itself
    put8(b, 40, t.system ? 0x53 : 0x4E);
    put16(b, 41, quint32(t.columns.size()));
    put16(b, 43, quint32(t.varCount()));
    put16(b, 45, quint32(t.columns.size()));
    put32(b, 47, quint32(t.logical.size()));
    put32(b, 51, quint32(t.indexes.size()));
    QByteArray maps;
    appendMap(maps, t.owned);
    appendMap(maps, t.free);
    b.replace(55, 8, maps);
    return b;
}

} // namespace

QByteArray tableDefinition(const TableLayout& t) {
    QByteArray b = header(t);
    for (const IndexLayout& i : t.indexes) {
        append32(b, 0);
        append32(b, i.rowCount);
        append32(b, 0);
    }
    for (const ColumnLayout& c : t.columns)
        b += columnBlock(c);
    for (const ColumnLayout& c : t.columns)
        appendName(b, c.name);
    for (const IndexLayout& i : t.indexes)
        b += physicalBlock(i);
    for (size_t n = 0; n < t.logical.size(); ++n)
        b += logicalBlock(t.logical[n], int(n));
    for (const LogicalIndex& l : t.logical)
        appendName(b, l.name);
    for (const LongColumnMaps& m : t.longMaps) {
        append16(b, quint32(m.column));
        appendMap(b, m.owned);
        appendMap(b, m.free);
    }
    b.append('\xFF').append('\xFF');
    put32(b, 8, quint32(b.size()));
    return b;
}

void writeTableDefinition(TableLayout& t, PageAllocator& pages) {
    const QByteArray def = tableDefinition(t);
    QByteArray& file = pages.file();
    t.tdefPages = {t.tdefPage};
    int from = 0;
    quint32 page = t.tdefPage;
    while (true) {
        const int at = int(page) * PageSize;
        const int room = from == 0 ? PageSize : PageSize - 8;
        const QByteArray part = def.mid(from, room);
        if (from == 0) {
            file.replace(at, int(part.size()), part);
        } else {
            put8(file, at, TdefPage);
            put8(file, at + 1, 0x01);
            file.replace(at + 8, int(part.size()), part);
        }
        put16(file, at + 2, quint32(room - part.size()));
        from += room;
        if (from >= def.size())
            break;
        page = pages.allocate();
        put32(file, at + 4, page);
        t.tdefPages.push_back(page);
    }
    // Jet counts the free space of a one-page definition without its header.
    if (t.tdefPages.size() == 1)
        put16(file, int(t.tdefPage) * PageSize + 2, quint32(PageSize - def.size() - 8));
}

void writeRowCounts(QByteArray& file, const TableLayout& t) {
    const int at = int(t.tdefPage) * PageSize;
    put32(file, at + 16, t.rowCount);
    for (size_t i = 0; i < t.indexes.size(); ++i)
        put32(file, at + HeaderBytes + IndexCountBytes * int(i) + 4, t.indexes[i].rowCount);
}

} // namespace kovex::jet::format
