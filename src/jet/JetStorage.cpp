#include "jet/JetStorage.h"

#include "support/KovexError.h"

#include <QtEndian>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <set>
#include <string_view>

namespace kovex::jet::format {

namespace {

constexpr int BitmapPageBits = (PageSize - 4) * 8;
constexpr int LongValueInline = 64;
constexpr int ChainChunk = MaxLongValueRow - 4;

[[noreturn]] void broken(const QString& what, const QString& fault) {
    throw KovexError(what + ": " + fault);
}

QByteArray rowBytes(const QByteArray& file, quint32 page, const RowSpan& span) {
    return file.mid(int(page) * PageSize + span.start, span.end - span.start);
}

} // namespace

int pageCount(const QByteArray& file) {
    return int(file.size() / PageSize);
}

int pageAt(const QByteArray& file, quint32 page, const QString& what) {
    if (page >= quint32(pageCount(file)))
        broken(what, QStringLiteral("page %1 lies beyond the end of the file").arg(page));
    return int(page) * PageSize;
}

std::vector<RowSpan> rowSpans(const QByteArray& file, quint32 page, const QString& what) {
    const int at = pageAt(file, page, what);
    if (u8(file, at) != DataPage)
        broken(what, QStringLiteral("page %1 is no data page").arg(page));
    const int count = int(u16(file, at + 12));
    if (DataHeaderBytes + 2 * count > PageSize)
        broken(what, QStringLiteral("page %1 claims %2 rows").arg(page).arg(count));
    std::vector<RowSpan> spans;
    int end = PageSize;
    for (int i = 0; i < count; ++i) {
        const quint32 entry = u16(file, at + DataHeaderBytes + 2 * i);
        RowSpan s{i, int(entry & 0x1FFF), end, (entry & 0x8000) != 0, (entry & 0x4000) != 0};
        if (s.start < DataHeaderBytes + 2 * count || s.start > s.end)
            broken(what, QStringLiteral("row %1 of page %2 lies outside its page").arg(i).arg(page));
        end = s.start;
        spans.push_back(s);
    }
    return spans;
}

RowSpan rowSpan(const QByteArray& file, quint32 page, int row, const QString& what) {
    const std::vector<RowSpan> spans = rowSpans(file, page, what);
    if (row < 0 || row >= int(spans.size()))
        broken(what, QStringLiteral("page %1 has no row %2").arg(page).arg(row));
    return spans[size_t(row)];
}

// ---- usage maps

PageSet readMap(const QByteArray& file, MapRef ref, const QString& what) {
    const RowSpan span = rowSpan(file, ref.page, ref.row, what);
    const int at = int(ref.page) * PageSize + span.start;
    const int length = span.end - span.start;
    if (length < 5)
        broken(what, QStringLiteral("a usage map of %1 bytes").arg(length));
    PageSet pages;
    const quint8 type = quint8(file[at]);
    if (type == 0) {
        const quint32 start = u32(file, at + 1);
        for (int bit = 0; bit < (length - 5) * 8; ++bit)
            if (u8(file, at + 5 + bit / 8) & (1u << (bit % 8)))
                pages.insert(start + quint32(bit)); // in rising order: no search
    } else if (type == 1) {
        // Only pages of the file count: a bitmap page describes 32 736 pages.
        for (int k = 0; k < (length - 1) / 4 && quint32(k) * BitmapPageBits < quint32(pageCount(file)); ++k) {
            const quint32 bitmap = u32(file, at + 1 + 4 * k);
            if (bitmap == 0)
                continue;
            const int b = pageAt(file, bitmap, what);
            if (u8(file, b) != BitmapPage)
                broken(what, QStringLiteral("usage map page %1 is no bitmap page").arg(bitmap));
            for (int byte = 0; byte < BitmapPageBits / 8; ++byte) {
                const quint32 bits = u8(file, b + 4 + byte);
                for (int bit = 0; bits && bit < 8; ++bit) {
                    const quint32 page = quint32(k) * BitmapPageBits + quint32(byte * 8 + bit);
                    if ((bits & (1u << bit)) && page < quint32(pageCount(file)))
                        pages.insert(page);
                }
            }
        }
    } else {
        broken(what, QStringLiteral("a usage map of unknown type %1").arg(type));
    }
    return pages;
}

namespace {

void writeInlineMap(QByteArray& file, int at, int length, const PageSet& pages, const QString& what) {
    const quint32 span = quint32(length - 5) * 8;
    quint32 start = u32(file, at + 1);
    if (!pages.empty() && (pages.first() < start || pages.last() - start >= span))
        start = pages.first() & ~7u;
    if (!pages.empty() && pages.last() - start >= span)
        broken(what,
               QStringLiteral("pages %1 to %2 lie too far apart for this library to write their usage map")
                   .arg(pages.first())
                   .arg(pages.last()));
    put32(file, at + 1, start);
    // The global map marks hundreds of pages: its bits are set through one
    // pointer rather than an indexed byte each, which checks for sharing.
    auto* const bits = reinterpret_cast<unsigned char*>(file.data() + at + 5);
    std::memset(bits, 0, size_t(length - 5));
    for (quint32 p : pages)
        bits[(p - start) / 8] = static_cast<unsigned char>(bits[(p - start) / 8] | (1u << ((p - start) % 8)));
}

void writeReferenceMap(QByteArray& file, int at, int length, const PageSet& pages, const QString& what) {
    const int pointers = (length - 1) / 4;
    for (int k = 0; k < pointers; ++k)
        if (const quint32 bitmap = u32(file, at + 1 + 4 * k); bitmap != 0)
            std::memset(file.data() + pageAt(file, bitmap, what) + 4, 0, PageSize - 4);
    for (quint32 p : pages) {
        const int k = int(p / BitmapPageBits);
        const quint32 bitmap = k < pointers ? u32(file, at + 1 + 4 * k) : 0;
        if (bitmap == 0)
            broken(what, QStringLiteral("page %1 lies beyond its usage map").arg(p));
        const int b = pageAt(file, bitmap, what) + 4 + int(p % BitmapPageBits) / 8;
        file[b] = char(u8(file, b) | (1u << (p % 8)));
    }
}

} // namespace

void writeMap(QByteArray& file, MapRef ref, const PageSet& pages, const QString& what) {
    const RowSpan span = rowSpan(file, ref.page, ref.row, what);
    const int at = int(ref.page) * PageSize + span.start;
    const int length = span.end - span.start;
    if (length < 5)
        broken(what, QStringLiteral("a usage map of %1 bytes").arg(length));
    if (u8(file, at) == 0)
        writeInlineMap(file, at, length, pages, what);
    else
        writeReferenceMap(file, at, length, pages, what);
}

// ---- reading rows

namespace {

QByteArray longValue(const QByteArray& file, const QByteArray& field, const QString& what) {
    if (field.size() < 12)
        broken(what, QStringLiteral("a long-value field of %1 bytes").arg(field.size()));
    const int length = int(u24(field, 0));
    const quint32 kind = u8(field, 3);
    if (kind & 0x80) {
        if (12 + length > field.size())
            broken(what, QStringLiteral("an inline long value longer than its field"));
        return field.mid(12, length);
    }
    quint32 pointer = u32(field, 4);
    if (kind & 0x40) {
        const quint32 page = pointer >> 8;
        const RowSpan s = rowSpan(file, page, int(pointer & 0xFF), what);
        if (s.end - s.start < length)
            broken(what, QStringLiteral("a long value longer than its row"));
        return file.mid(int(page) * PageSize + s.start, length);
    }
    QByteArray value;
    std::set<quint32> seen;
    while (value.size() < length) {
        if (pointer == 0 || !seen.insert(pointer).second)
            broken(what, QStringLiteral("a long-value chain that ends early or loops"));
        const quint32 page = pointer >> 8;
        const RowSpan s = rowSpan(file, page, int(pointer & 0xFF), what);
        if (s.end - s.start < 4)
            broken(what, QStringLiteral("a long-value row of %1 bytes").arg(s.end - s.start));
        const int at = int(page) * PageSize + s.start;
        pointer = u32(file, at);
        value.append(file.mid(at + 4, std::min(s.end - s.start - 4, length - int(value.size()))));
    }
    return value;
}

Cell fixedCell(const QByteArray& data, const ColumnLayout& c, const Naming& what) {
    const auto need = [&](int n) {
        if (data.size() < n)
            broken(what(), QStringLiteral("a value of %1 bytes where %2 are needed").arg(data.size()).arg(n));
    };
    switch (c.type) {
    case LongCode:
        need(4);
        return qint32(u32(data, 0));
    case Int16Code:
        need(2);
        return qint16(u16(data, 0));
    case ByteCode:
        need(1);
        return quint8(data[0]);
    case DoubleCode:
    case DateCode: {
        need(8);
        const quint64 bits = quint64(u32(data, 0)) | (quint64(u32(data, 4)) << 32);
        double d;
        std::memcpy(&d, &bits, 8);
        if (c.type == DateCode)
            return DateCell{d};
        return d;
    }
    default:
        return data; // kept as bytes: the library neither shows nor writes them
    }
}

} // namespace

Cell readCell(const QByteArray& file, const QByteArray& row, const TableLayout& table,
              const ColumnLayout& c) {
    // Named only when something is wrong: a save reads thousands of cells.
    const Naming what = [&] { return QStringLiteral("Table \"%1\", column \"%2\"").arg(table.name, c.name); };
    const int n = int(row.size());
    const int columns = n >= 2 ? int(u16(row, 0)) : 0;
    const int mask = (columns + 7) / 8;
    if (n < 2 + mask)
        broken(what(), QStringLiteral("a row of %1 bytes").arg(n));
    const bool present = c.number < columns && (u8(row, n - mask + c.number / 8) & (1u << (c.number % 8)));
    if (c.type == BoolCode)
        return present;
    if (!present)
        return std::monostate{};
    if (c.fixed()) {
        if (2 + c.fixedOffset + c.length > n - mask)
            broken(what(), QStringLiteral("a fixed value beyond its row"));
        return fixedCell(row.mid(2 + c.fixedOffset, c.length), c, what);
    }
    if (n < 2 + mask + 2)
        broken(what(), QStringLiteral("a row of %1 bytes without its variable columns").arg(n));
    const int vars = int(u16(row, n - mask - 2));
    const int table0 = n - mask - 2 - 2 * (vars + 1); // the end-of-data offset
    if (table0 < 2)
        broken(what(), QStringLiteral("a row whose variable columns do not fit it"));
    if (c.varSlot >= vars)
        return std::monostate{};
    const auto offset = [&](int slot) {
        return int(slot == vars ? u16(row, table0) : u16(row, n - mask - 2 - 2 * (slot + 1)));
    };
    const int start = offset(c.varSlot), end = offset(c.varSlot + 1);
    if (start < 2 || start > end || end > table0)
        broken(what(), QStringLiteral("a variable value outside its row"));
    QByteArray data = row.mid(start, end - start);
    if (c.longValue())
        data = longValue(file, data, what());
    if (c.type == TextCode || c.type == MemoCode)
        return decodeText(data, what);
    return data;
}

std::vector<StoredRow> readRows(const QByteArray& file, const TableLayout& table) {
    const QString what = QStringLiteral("Table \"%1\"").arg(table.name);
    std::vector<StoredRow> rows;
    const QByteArray owner = ownerBytes(table.tdefPage);
    for (quint32 page : readMap(file, table.owned, what)) {
        const int at = pageAt(file, page, what);
        if (u8(file, at) != DataPage || file.mid(at + 4, 4) != owner)
            continue; // a page the table owns that holds no rows of it
        for (const RowSpan& s : rowSpans(file, page, what)) {
            if (s.deleted)
                continue;
            QByteArray bytes = rowBytes(file, page, s);
            if (s.overflow) {
                if (bytes.size() < 4)
                    broken(what, QStringLiteral("a broken overflow row on page %1").arg(page));
                const quint32 target = u24(bytes, 1);
                bytes = rowBytes(file, target, rowSpan(file, target, int(u8(bytes, 0)), what));
            }
            StoredRow r{page, s.row, {}};
            r.cells.reserve(table.columns.size());
            for (const ColumnLayout& c : table.columns)
                r.cells.push_back(readCell(file, bytes, table, c));
            rows.push_back(std::move(r));
        }
    }
    return rows;
}

// ---- writing pages

quint32 PageAllocator::allocate() {
    quint32 page;
    if (!m_reusable.empty()) {
        page = m_reusable.takeFirst();
        std::memset(m_file.data() + qsizetype(page) * PageSize, 0, PageSize);
    } else {
        page = quint32(pageCount(m_file));
        // Room for more pages at once: appending one at a time would copy
        // the whole file for every page.
        if (m_file.capacity() < m_file.size() + PageSize)
            m_file.reserve(m_file.size() + std::max<qsizetype>(m_file.size() / 2, 16 * qsizetype{PageSize}));
        m_file.append(QByteArray(PageSize, '\0'));
    }
    m_taken.push_back(page);
    return page;
}

QByteArray ownerBytes(quint32 tdefPage) {
    QByteArray b(4, '\0');
    put32(b, 0, tdefPage);
    return b;
}

void PageFiller::startPage() {
    const quint32 page = m_pages.allocate();
    QByteArray& f = m_pages.file();
    const int at = int(page) * PageSize;
    put8(f, at, DataPage);
    put8(f, at + 1, 0x01);
    m_free = PageSize - DataHeaderBytes;
    put16(f, at + 2, quint32(m_free));
    f.replace(at + 4, 4, m_owner);
    m_rows = 0;
    m_used.push_back(page);
}

std::pair<quint32, int> PageFiller::add(const QByteArray& row) {
    if (m_used.empty() || m_free < row.size() + 2 || m_rows == MaxRowsPerPage)
        startPage();
    QByteArray& f = m_pages.file();
    const quint32 page = m_used.back();
    const int at = int(page) * PageSize;
    const int end = m_rows == 0 ? PageSize : int(u16(f, at + DataHeaderBytes + 2 * (m_rows - 1)) & 0x1FFF);
    const int start = end - int(row.size());
    std::memcpy(f.data() + at + start, row.constData(), size_t(row.size()));
    put16(f, at + DataHeaderBytes + 2 * m_rows, quint32(start));
    m_free -= int(row.size()) + 2;
    put16(f, at + 2, quint32(m_free));
    put16(f, at + 12, quint32(++m_rows));
    return {page, m_rows - 1};
}

// ---- encoding rows

namespace {

QByteArray storeLongValue(const QByteArray& data, PageFiller& pages) {
    QByteArray field(12, '\0');
    put24(field, 0, quint32(data.size()));
    if (data.size() <= LongValueInline) {
        put8(field, 3, 0x80);
        return field + data;
    }
    if (data.size() <= MaxLongValueRow) {
        const auto [page, row] = pages.add(data);
        put8(field, 3, 0x40);
        put32(field, 4, (page << 8) | quint32(row));
        return field;
    }
    // A chain is written from its end, so each row knows the next.
    quint32 next = 0;
    for (int from = int((data.size() - 1) / ChainChunk) * ChainChunk; from >= 0; from -= ChainChunk) {
        QByteArray chunk(4, '\0');
        put32(chunk, 0, next);
        chunk += data.mid(from, ChainChunk);
        const auto [page, row] = pages.add(chunk);
        next = (page << 8) | quint32(row);
    }
    put32(field, 4, next);
    return field;
}

// A value of a column refused before anything of its row is written: the
// first refused column, in column order, is the one named.
void checkCell(const ColumnLayout& c, const Cell& cell, const Refusal& fail) {
    switch (c.type) {
    case DoubleCode:
        if (!std::isfinite(std::get<double>(cell)))
            fail(c, QStringLiteral("a number that is infinite or undefined cannot be stored"));
        return;
    case TextCode:
    case MemoCode: {
        const QString& text = std::get<QString>(cell);
        if (c.type == TextCode && text.size() > c.length / 2)
            fail(c, QStringLiteral("a text of %1 characters is longer than the column's %2")
                        .arg(text.size())
                        .arg(c.length / 2));
        if (!textStorable(text))
            fail(c, QStringLiteral("a text that begins with U+FEFF and holds a character whose code ends in "
                                   "00 cannot be stored"));
        if (c.type == MemoCode && encodeText(text)->size() > 0xFFFFFF)
            fail(c, QStringLiteral("a text of %1 characters is too long for a memo").arg(text.size()));
        return;
    }
    case BinaryCode: {
        const QByteArray& b = std::get<QByteArray>(cell);
        if (b.size() > c.length)
            fail(c, QStringLiteral("binary data of %1 bytes is longer than the column's %2")
                        .arg(b.size())
                        .arg(c.length));
        return;
    }
    default:
        return;
    }
}

void putDouble(char* at, double d) {
    quint64 bits;
    std::memcpy(&bits, &d, 8);
    bits = qToLittleEndian(bits);
    std::memcpy(at, &bits, 8);
}

// A fixed value written in its place in the row's fixed area.
void putFixed(char* at, const ColumnLayout& c, const Cell& cell) {
    switch (c.type) {
    case LongCode: {
        const quint32 v = qToLittleEndian(quint32(std::get<qint32>(cell)));
        std::memcpy(at, &v, 4);
        return;
    }
    case Int16Code: {
        const quint16 v = qToLittleEndian(quint16(std::get<qint16>(cell)));
        std::memcpy(at, &v, 2);
        return;
    }
    case ByteCode:
        *at = char(std::get<quint8>(cell));
        return;
    case DoubleCode:
        putDouble(at, std::get<double>(cell));
        return;
    case DateCode:
        putDouble(at, std::get<DateCell>(cell).days);
        return;
    default: { // bytes of a fixed binary column, as long as the column at most
        const QByteArray& b = std::get<QByteArray>(cell);
        std::memcpy(at, b.constData(), size_t(std::min<qsizetype>(b.size(), c.length)));
        return;
    }
    }
}

// A variable value appended to the row: a text as stored, a long value's
// field (its data stored before), or binary bytes.
void appendVariable(QByteArray& row, const ColumnLayout& c, const Cell& cell, const QByteArray& longField) {
    if (c.longValue())
        row += longField;
    else if (c.type == TextCode)
        appendText(row, std::get<QString>(cell));
    else
        row += std::get<QByteArray>(cell);
}

bool kindFits(const ColumnLayout& c, const Cell& cell) {
    switch (c.type) {
    case LongCode:
        return std::holds_alternative<qint32>(cell);
    case Int16Code:
        return std::holds_alternative<qint16>(cell);
    case ByteCode:
        return std::holds_alternative<quint8>(cell);
    case DoubleCode:
        return std::holds_alternative<double>(cell);
    case DateCode:
        return std::holds_alternative<DateCell>(cell);
    case BoolCode:
        return std::holds_alternative<bool>(cell);
    case TextCode:
    case MemoCode:
        return std::holds_alternative<QString>(cell);
    case BinaryCode:
    case OleCode:
        return std::holds_alternative<QByteArray>(cell);
    default:
        return false;
    }
}

bool presenceBit(const ColumnLayout& c, const Cell& cell) {
    const bool null = std::holds_alternative<std::monostate>(cell);
    return c.type == BoolCode ? (!null && std::get<bool>(cell)) : !null;
}

// Every value checked in column order, and the long values stored in that
// order (their pages are taken before the row's own): the row is written
// only when nothing in it is refused.
std::vector<QByteArray> checkAndStoreLongValues(const TableLayout& table, const CellRow& cells,
                                                const std::function<PageFiller&(int column)>& longValues,
                                                const Refusal& fail) {
    std::vector<QByteArray> longFields;
    for (size_t i = 0; i < table.columns.size(); ++i) {
        const ColumnLayout& c = table.columns[i];
        const Cell& cell = cells[i];
        if (std::holds_alternative<std::monostate>(cell))
            continue;
        if (!kindFits(c, cell))
            fail(c, QStringLiteral("a value of the wrong kind for the column"));
        if (c.type == BoolCode)
            continue;
        checkCell(c, cell, fail);
        if (c.longValue()) {
            if (longFields.empty())
                longFields.resize(table.columns.size());
            const QByteArray data =
                c.type == MemoCode ? *encodeText(std::get<QString>(cell)) : std::get<QByteArray>(cell);
            longFields[i] = storeLongValue(data, longValues(c.number));
        }
    }
    return longFields;
}

} // namespace

RowShape::RowShape(const TableLayout& table)
    : fixedBytes(table.fixedBytes()), columnsBySlot(size_t(table.varCount()), -1) {
    for (size_t i = 0; i < table.columns.size(); ++i) {
        const ColumnLayout& c = table.columns[i];
        columns = std::max(columns, c.number + 1);
        if (!c.fixed() && c.varSlot >= 0 && c.varSlot < int(columnsBySlot.size()))
            columnsBySlot[size_t(c.varSlot)] = int(i);
    }
}

void encodeRow(const TableLayout& table, const RowShape& shape, const CellRow& cells,
               const std::function<PageFiller&(int column)>& longValues, const Refusal& fail,
               QByteArray& row) {
    const std::vector<QByteArray> longFields = checkAndStoreLongValues(table, cells, longValues, fail);
    row.resize(2 + shape.fixedBytes); // the capacity of the last row is kept
    std::memset(row.data(), 0, size_t(row.size()));
    put16(row, 0, quint32(shape.columns));
    for (size_t i = 0; i < table.columns.size(); ++i) {
        const ColumnLayout& c = table.columns[i];
        if (c.fixed() && c.type != BoolCode && !std::holds_alternative<std::monostate>(cells[i]))
            putFixed(row.data() + 2 + c.fixedOffset, c, cells[i]);
    }
    const auto varCount = shape.columnsBySlot.size();
    std::array<quint16, 256> offsets{}; // Jet holds at most 255 columns
    for (size_t slot = 0; slot < varCount && slot < offsets.size(); ++slot) {
        offsets[slot] = quint16(row.size());
        const int i = shape.columnsBySlot[slot];
        if (i >= 0 && !std::holds_alternative<std::monostate>(cells[size_t(i)]))
            appendVariable(row, table.columns[size_t(i)], cells[size_t(i)],
                           longFields.empty() ? QByteArray() : longFields[size_t(i)]);
    }
    if (varCount > 0) { // a table of fixed columns only keeps no offsets
        // the end of the data, the slots' offsets from the last, their count
        std::array<quint16, 2 + 256> trailer{};
        size_t n = 0;
        trailer[n++] = quint16(row.size());
        for (size_t slot = std::min(varCount, offsets.size()); slot-- > 0;)
            trailer[n++] = offsets[slot];
        trailer[n++] = quint16(varCount);
        for (size_t k = 0; k < n; ++k)
            trailer[k] = qToLittleEndian(trailer[k]);
        row.append(reinterpret_cast<const char*>(trailer.data()), qsizetype(2) * qsizetype(n));
    }
    // offsets beyond 16 bits only come with rows far over the limit, which are refused
    const qsizetype mask = row.size();
    row.resize(mask + (shape.columns + 7) / 8);
    std::memset(row.data() + mask, 0, size_t(row.size() - mask));
    for (size_t i = 0; i < table.columns.size(); ++i) {
        const ColumnLayout& c = table.columns[i];
        if (presenceBit(c, cells[i]))
            row[mask + c.number / 8] = char(u8(row, int(mask) + c.number / 8) | (1u << (c.number % 8)));
    }
}

// ---- index leaves

std::optional<QByteArray> indexKey(const TableLayout& table, const IndexLayout& index, const CellRow& cells,
                                   const Refusal& fail) {
    QByteArray key;
    key.reserve(32); // room for the usual key and the four bytes of its entry
    bool allNull = true;
    for (int number : index.columns) {
        size_t i = 0;
        while (i < table.columns.size() && table.columns[i].number != number)
            ++i;
        if (i == table.columns.size() || i >= cells.size()) {
            fail(ColumnLayout{QStringLiteral("#%1").arg(number)},
                 QStringLiteral("an index on a column that does not exist"));
            return std::nullopt;
        }
        const ColumnLayout& c = table.columns[i];
        const Cell& cell = cells[i];
        if (std::holds_alternative<std::monostate>(cell)) {
            if (index.flags & IndexRequired) {
                fail(c, QStringLiteral("a key that is missing"));
                return std::nullopt;
            }
            key.append('\0');
            continue;
        }
        allNull = false;
        const auto* whole = std::get_if<qint32>(&cell);
        const auto* text = std::get_if<QString>(&cell);
        if (c.type == LongCode && whole) {
            appendLongKey(key, *whole);
        } else if (c.type == TextCode && text) {
            if (!appendGeneralLegacyKey(key, *text)) {
                fail(c,
                     QStringLiteral("the text \"%1\" holds a character this library cannot sort in an index")
                         .arg(*text));
                return std::nullopt;
            }
        } else {
            fail(c, QStringLiteral("an index on a column of type %1, which this library does not write")
                        .arg(c.type));
            return std::nullopt;
        }
    }
    if (allNull && (index.flags & IndexIgnoreNulls))
        return std::nullopt;
    return key;
}

QByteArray indexEntry(QByteArray key, quint32 page, int row) {
    QByteArray e = std::move(key);
    const std::array<char, 4> place{char((page >> 16) & 0xFF), char((page >> 8) & 0xFF), char(page & 0xFF),
                                    char(row)};
    e.append(place.data(), qsizetype(place.size()));
    return e;
}

// Sorted as views, which compare bytes as unsigned just as QByteArray
// does, without a copy of the entries or a call a comparison.
void writeLeaf(QByteArray& file, quint32 page, quint32 tdefPage, const std::vector<QByteArray>& entries,
               const std::function<void()>& overflow) {
    std::vector<std::string_view> sorted;
    sorted.reserve(entries.size());
    for (const QByteArray& e : entries)
        sorted.emplace_back(e.constData(), std::size_t(e.size()));
    std::sort(sorted.begin(), sorted.end());
    const int at = int(page) * PageSize;
    std::memset(file.data() + at, 0, PageSize);
    put8(file, at, IndexLeaf);
    put8(file, at + 1, 0x01);
    put32(file, at + 4, tdefPage);
    int end = 0;
    for (const std::string_view e : sorted) {
        if (end + int(e.size()) > PageSize - IndexEntriesStart) {
            overflow();
            return;
        }
        std::memcpy(file.data() + at + IndexEntriesStart + end, e.data(), e.size());
        end += int(e.size());
        const int bit = at + IndexMaskStart + end / 8;
        file[bit] = char(u8(file, bit) | (1u << (end % 8)));
    }
    put16(file, at + 2, quint32(PageSize - IndexEntriesStart - end));
}

std::vector<QByteArray> readLeaf(const QByteArray& file, quint32 page, const QString& what) {
    const int at = pageAt(file, page, what);
    if (u8(file, at) != IndexLeaf)
        broken(what, QStringLiteral("index page %1 is no leaf (an index of several pages is not supported)")
                         .arg(page));
    if (u32(file, at + 12) != 0 || u32(file, at + 16) != 0 || u32(file, at + 20) != 0)
        broken(what, QStringLiteral("an index of several pages, which this library does not support"));
    const int prefix = int(u16(file, at + 24));
    QByteArray shared;
    std::vector<QByteArray> entries;
    int start = 0;
    for (int bit = 0; bit < IndexMaskBytes * 8; ++bit) {
        if (bit % 8 == 0 && u8(file, at + IndexMaskStart + bit / 8) == 0) {
            bit += 7; // a byte of the mask without an entry's end
            continue;
        }
        if (!(u8(file, at + IndexMaskStart + bit / 8) & (1u << (bit % 8))))
            continue;
        if (bit > PageSize - IndexEntriesStart || bit <= start)
            broken(what, QStringLiteral("index page %1 has an entry outside its page").arg(page));
        QByteArray e = file.mid(at + IndexEntriesStart + start, bit - start);
        if (entries.empty()) {
            if (prefix > e.size())
                broken(what,
                       QStringLiteral("index page %1 has a prefix longer than its first entry").arg(page));
            shared = e.left(prefix);
        } else {
            e = shared + e;
        }
        entries.push_back(e);
        start = bit;
    }
    return entries;
}

} // namespace kovex::jet::format
