#pragma once

// The pieces of the Jet 4.0 page format that the reader, the writer and the
// structural check share. Internal to src/jet.

#include "jet/JetDatabase.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <variant>
#include <vector>

namespace kovex::jet::format {

constexpr int PageSize = 4096;
constexpr int MaxRowBytes = 4060; // one row on a data page
constexpr int MaxRowsPerPage = 255;
constexpr int DataHeaderBytes = 14;   // data page header before the row offsets
constexpr int MaxLongValueRow = 4076; // one long-value row
constexpr int UsageMapRowBytes = 69;  // type byte, start page, 64-byte bitmap
constexpr int InlineMapPages = 64 * 8;
constexpr int IndexEntriesStart = 0x1E0;
constexpr int IndexMaskStart = 27;
constexpr int IndexMaskBytes = 453;
constexpr int MaxNameChars = 64;

enum PageType : quint8 {
    HeaderPage = 0x00,
    DataPage = 0x01,
    TdefPage = 0x02,
    IndexNode = 0x03,
    IndexLeaf = 0x04,
    BitmapPage = 0x05
};

enum ColumnCode : quint8 {
    BoolCode = 0x01,
    ByteCode = 0x02,
    Int16Code = 0x03,
    LongCode = 0x04,
    MoneyCode = 0x05,
    FloatCode = 0x06,
    DoubleCode = 0x07,
    DateCode = 0x08,
    BinaryCode = 0x09,
    TextCode = 0x0A,
    OleCode = 0x0B,
    MemoCode = 0x0C,
};

constexpr quint8 FixedFlag = 0x01;
constexpr quint8 AlwaysFlag = 0x02;
constexpr quint8 IndexAlways = 0x80, IndexRequired = 0x08, IndexIgnoreNulls = 0x02, IndexUnique = 0x01;
constexpr quint32 MagicTable = 1625, MagicIndex = 1923;

// A cell as stored: the five kinds of the public API plus what the system
// tables hold (16-bit and 8-bit integers, dates, binary and OLE bytes).
struct DateCell {
    double days = 0;
};
using Cell =
    std::variant<std::monostate, qint32, double, bool, QString, QByteArray, qint16, quint8, DateCell>;
using CellRow = std::vector<Cell>;

struct ColumnLayout {
    QString name;
    quint8 type = LongCode;
    int number = 0;
    int varSlot = 0;
    int fixedOffset = 0;
    int length = 0; // bytes
    quint8 flags = AlwaysFlag;
    bool fixed() const { return (flags & FixedFlag) != 0; }
    bool longValue() const { return type == OleCode || type == MemoCode; }
};

struct MapRef {
    int row = 0;
    quint32 page = 0;
};

struct IndexLayout {
    std::vector<int> columns; // column numbers
    MapRef map;
    quint32 root = 0;
    quint8 flags = IndexAlways;
    quint32 rowCount = 0;
};

struct LogicalIndex {
    QString name;
    int physical = 0;
    bool primary = false;
};

struct LongColumnMaps {
    int column = 0;
    MapRef owned, free;
};

struct TableLayout {
    QString name;
    quint32 tdefPage = 0;
    std::vector<quint32> tdefPages; // the definition's pages, the first included
    bool system = false;
    quint32 rowCount = 0;
    quint32 nextAutoNumber = 0;
    std::vector<ColumnLayout> columns; // by column number
    std::vector<IndexLayout> indexes;
    std::vector<LogicalIndex> logical;
    MapRef owned, free;
    std::vector<LongColumnMaps> longMaps;
    int fixedBytes() const;
    int varCount() const;
    const ColumnLayout* column(int number) const;
};

// Little-endian access to a byte array; readers check bounds with fits().
inline bool fits(const QByteArray& b, qint64 at, qint64 n) {
    return at >= 0 && n >= 0 && at + n <= b.size();
}
inline quint32 u8(const QByteArray& b, int at) {
    return quint8(b[at]);
}
inline quint32 u16(const QByteArray& b, int at) {
    return u8(b, at) | (u8(b, at + 1) << 8);
}
inline quint32 u24(const QByteArray& b, int at) {
    return u16(b, at) | (u8(b, at + 2) << 16);
}
inline quint32 u32(const QByteArray& b, int at) {
    return u16(b, at) | (u16(b, at + 2) << 16);
}
inline void put8(QByteArray& b, int at, quint32 v) {
    b[at] = char(v & 0xFF);
}
inline void put16(QByteArray& b, int at, quint32 v) {
    put8(b, at, v);
    put8(b, at + 1, v >> 8);
}
inline void put24(QByteArray& b, int at, quint32 v) {
    put16(b, at, v);
    put8(b, at + 2, v >> 16);
}
inline void put32(QByteArray& b, int at, quint32 v) {
    put16(b, at, v);
    put16(b, at + 2, v >> 16);
}
inline void append16(QByteArray& b, quint32 v) {
    b.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF));
}
inline void append32(QByteArray& b, quint32 v) {
    append16(b, v);
    append16(b, v >> 16);
}

// The stored form of a text: UCS-2 little-endian, or the compressed form
// (FF FE, one byte a character, 0x00 toggling to two-byte units).
// Nothing when the text cannot be stored so that it reads back the same (a
// text beginning with U+FEFF, which must be compressed, holding a character
// the compressed form cannot hold).
std::optional<QByteArray> encodeText(const QString& text);
// Whether encodeText has a stored form for the text.
bool textStorable(const QString& text);
// Appends the stored form of a storable text.
void appendText(QByteArray& out, const QString& text);
// Throws KovexError (with `what` naming the place) on bytes that are no text.
QString decodeText(const QByteArray& bytes, const QString& what);
// The same, the place named only when the bytes are no text.
using Naming = std::function<QString()>;
QString decodeText(const QByteArray& bytes, const Naming& what);

// Appends the sort key of a text in the General (legacy) order; false
// (and a part of it appended) when a character has no simple code (only
// printable ASCII but ' and - has one).
bool appendGeneralLegacyKey(QByteArray& key, const QString& text);
void appendLongKey(QByteArray& key, qint32 value);

// RC4 keystream applied in place.
void rc4(QByteArray& bytes, int from, int length, const QByteArray& key);

} // namespace kovex::jet::format
