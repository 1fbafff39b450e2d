#pragma once

// Pages, usage maps, data pages, rows and long values of a Jet 4.0 file.
// Readers take a whole file and check every offset against it; a broken or
// unsupported structure throws KovexError naming the place. Internal to
// src/jet.

#include "jet/JetFormat.h"
#include "jet/JetPageSet.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <vector>

namespace kovex::jet::format {

int pageCount(const QByteArray& file);
// The page's offset in the file; throws when there is no such page.
int pageAt(const QByteArray& file, quint32 page, const QString& what);

struct RowSpan {
    int row = 0;
    int start = 0, end = 0; // offsets in the page
    bool deleted = false, overflow = false;
};
// The rows of a data page (type 0x01), whatever its owner field says.
std::vector<RowSpan> rowSpans(const QByteArray& file, quint32 page, const QString& what);
RowSpan rowSpan(const QByteArray& file, quint32 page, int row, const QString& what);

// The pages a usage map marks (for the global map: the free pages).
PageSet readMap(const QByteArray& file, MapRef ref, const QString& what);
// Marks exactly `pages` in the map, in the map's own form; throws when a
// page lies outside what the map can describe.
void writeMap(QByteArray& file, MapRef ref, const PageSet& pages, const QString& what);

struct StoredRow {
    quint32 page = 0;
    int row = 0;
    CellRow cells;
};
// Every live row of a table, in page and row order; long values resolved.
std::vector<StoredRow> readRows(const QByteArray& file, const TableLayout& table);
Cell readCell(const QByteArray& file, const QByteArray& row, const TableLayout& table,
              const ColumnLayout& column);

// Hands out page numbers: first those given back, then new pages at the
// end of the file.
class PageAllocator {
  public:
    PageAllocator(QByteArray& file, PageSet reusable) : m_file(file), m_reusable(std::move(reusable)) {}
    quint32 allocate();
    const PageSet& unused() const { return m_reusable; }
    const std::vector<quint32>& taken() const { return m_taken; }
    QByteArray& file() { return m_file; }

  private:
    QByteArray& m_file;
    PageSet m_reusable;
    std::vector<quint32> m_taken;
};

// Fills data pages (or long-value pages) with rows, from the page end down.
class PageFiller {
  public:
    PageFiller(PageAllocator& pages, QByteArray owner) : m_pages(pages), m_owner(std::move(owner)) {}
    // The page and row number that now hold `row`.
    std::pair<quint32, int> add(const QByteArray& row);
    const std::vector<quint32>& pages() const { return m_used; }

  private:
    void startPage();
    PageAllocator& m_pages;
    QByteArray m_owner; // four bytes: the owning TDEF page, or "LVAL"
    std::vector<quint32> m_used;
    int m_free = 0, m_rows = 0;
};

QByteArray ownerBytes(quint32 tdefPage);

// What the encoding of every row of a table needs, found once per table.
struct RowShape {
    explicit RowShape(const TableLayout& table);
    int columns = 0; // the highest column number + 1
    int fixedBytes = 0;
    std::vector<int> columnsBySlot; // the column index of each variable slot, -1 for none
};

// Encodes a row into `row`, replacing what it held (its capacity is kept,
// so one buffer serves every row of a table). Long values go to
// `longValues` (one filler a long column, by column number). Every value
// is checked, in column order, before anything is written: a value that
// does not fit throws KovexError naming the column. `fail` words a
// refusal for the column.
using Refusal = std::function<void(const ColumnLayout&, const QString&)>;
void encodeRow(const TableLayout& table, const RowShape& shape, const CellRow& cells,
               const std::function<PageFiller&(int column)>& longValues, const Refusal& fail,
               QByteArray& row);

// The key bytes of one index for a row, or nothing when it is left out of
// the index (all nulls in an index that ignores them).
std::optional<QByteArray> indexKey(const TableLayout& table, const IndexLayout& index, const CellRow& cells,
                                   const Refusal& fail);
// The entries of a single-leaf index, sorted, written into its root page.
void writeLeaf(QByteArray& file, quint32 page, quint32 tdefPage, const std::vector<QByteArray>& entries,
               const std::function<void()>& overflow);
// A key followed by its row's place (taken by value: a key made for its
// entry becomes the entry without a copy).
QByteArray indexEntry(QByteArray key, quint32 page, int row);
// The entries of a leaf page, in stored order; throws on a broken leaf.
std::vector<QByteArray> readLeaf(const QByteArray& file, quint32 page, const QString& what);

} // namespace kovex::jet::format
