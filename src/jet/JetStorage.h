#pragma once

// Pages, usage maps, data pages, rows and long values of a Jet 4.0 file.
// Readers take a whole file and check every offset against it; a broken or
// unsupported structure throws KovexError naming the place. Internal to
// src/jet.

#include "jet/JetFormat.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <set>
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
std::set<quint32> readMap(const QByteArray& file, MapRef ref, const QString& what);
// Marks exactly `pages` in the map, in the map's own form; throws when a
// page lies outside what the map can describe.
void writeMap(QByteArray& file, MapRef ref, const std::set<quint32>& pages, const QString& what);

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
    PageAllocator(QByteArray& file, std::set<quint32> reusable)
        : m_file(file), m_reusable(std::move(reusable)) {}
    quint32 allocate();
    const std::set<quint32>& unused() const { return m_reusable; }
    const std::vector<quint32>& taken() const { return m_taken; }
    QByteArray& file() { return m_file; }

  private:
    QByteArray& m_file;
    std::set<quint32> m_reusable;
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

// Encodes a row; long values go to `longValues` (one filler a long column,
// by column number). Throws KovexError naming the column on a value that
// does not fit. `fail` words a refusal for the column.
using Refusal = std::function<void(const ColumnLayout&, const QString&)>;
QByteArray encodeRow(const TableLayout& table, const CellRow& cells,
                     const std::function<PageFiller&(int column)>& longValues, const Refusal& fail);

// The key bytes of one index for a row, or nothing when it is left out of
// the index (all nulls in an index that ignores them).
std::optional<QByteArray> indexKey(const TableLayout& table, const IndexLayout& index, const CellRow& cells,
                                   const Refusal& fail);
// The entries of a single-leaf index, sorted, written into its root page.
void writeLeaf(QByteArray& file, quint32 page, quint32 tdefPage, std::vector<QByteArray> entries,
               const std::function<void()>& overflow);
QByteArray indexEntry(const QByteArray& key, quint32 page, int row);
// The entries of a leaf page, in stored order; throws on a broken leaf.
std::vector<QByteArray> readLeaf(const QByteArray& file, quint32 page, const QString& what);

} // namespace kovex::jet::format
