#include "jet/JetCheck.h"

#include "jet/JetFile.h"
#include "jet/JetStorage.h"

#include "support/KovexError.h"

#include <QStringList>

#include <map>
#include <set>

namespace kovex::jet {

using namespace format;

namespace {

class Checker {
  public:
    explicit Checker(const JetFile& f) : m_f(f), m_file(f.bytes()) {}

    std::vector<QString> run() {
        own(0, QStringLiteral("the header"));
        own(1, QStringLiteral("the global usage map"));
        for (quint32 p : readMap(m_file, MapRef{0, 1}, QStringLiteral("global map")))
            if (p < quint32(pageCount(m_file)))
                own(p, QStringLiteral("free pages"));
        for (const TableLayout& t : m_f.tables())
            checkTable(t);
        for (int p = 0; p < pageCount(m_file); ++p) {
            const auto it = m_owners.find(quint32(p));
            if (it == m_owners.end())
                fault(QStringLiteral("page %1 belongs to nobody").arg(p));
            else if (it->second.size() > 1)
                fault(QStringLiteral("page %1 belongs to %2")
                          .arg(p)
                          .arg(QStringList(it->second.begin(), it->second.end()).join(", ")));
        }
        return m_faults;
    }

  private:
    void fault(const QString& text) { m_faults.push_back(text); }
    void own(quint32 page, const QString& owner) { m_owners[page].insert(owner); }

    void checkDataPage(const TableLayout& t, quint32 page, const QByteArray& owner, const QString& what) {
        const int at = int(page) * PageSize;
        if (page >= quint32(pageCount(m_file)) || u8(m_file, at) != DataPage ||
            m_file.mid(at + 4, 4) != owner) {
            fault(QStringLiteral("%1: page %2 is not one of its pages").arg(what).arg(page));
            return;
        }
        int used = 0;
        const std::vector<RowSpan> spans = rowSpans(m_file, page, what);
        for (const RowSpan& s : spans)
            used += s.end - s.start + 2;
        if (int(u16(m_file, at + 2)) != PageSize - DataHeaderBytes - used)
            fault(QStringLiteral("%1: page %2 gives %3 bytes free where %4 are")
                      .arg(what)
                      .arg(page)
                      .arg(u16(m_file, at + 2))
                      .arg(PageSize - DataHeaderBytes - used));
        (void)t;
    }

    void checkMaps(const TableLayout& t) {
        const QString what = QStringLiteral("Table \"%1\"").arg(t.name);
        for (quint32 p : t.tdefPages)
            own(p, what + QStringLiteral(" definition"));
        std::vector<MapRef> refs{t.owned, t.free};
        for (const IndexLayout& i : t.indexes)
            refs.push_back(i.map);
        for (const LongColumnMaps& m : t.longMaps) {
            refs.push_back(m.owned);
            refs.push_back(m.free);
        }
        for (const MapRef& r : refs)
            own(r.page, QStringLiteral("usage-map pages"));
        const PageSet owned = readMap(m_file, t.owned, what);
        for (quint32 p : owned) {
            own(p, what + QStringLiteral(" data"));
            checkDataPage(t, p, ownerBytes(t.tdefPage), what);
        }
        for (quint32 p : readMap(m_file, t.free, what))
            if (!owned.contains(p))
                fault(QStringLiteral("%1: its free-space map holds page %2, which it does not own")
                          .arg(what)
                          .arg(p));
        for (const LongColumnMaps& m : t.longMaps) {
            const PageSet pages = readMap(m_file, m.owned, what);
            for (quint32 p : pages) {
                own(p, what + QStringLiteral(" long values"));
                checkDataPage(t, p, QByteArray("LVAL"), what);
            }
            for (quint32 p : readMap(m_file, m.free, what))
                if (!pages.contains(p))
                    fault(
                        QStringLiteral("%1: a long-value free-space map holds page %2, which it does not own")
                            .arg(what)
                            .arg(p));
        }
    }

    void checkIndex(const TableLayout& t, size_t n, const std::vector<StoredRow>& rows) {
        const IndexLayout& index = t.indexes[n];
        const QString what = QStringLiteral("Table \"%1\", index %2").arg(t.name).arg(n);
        const PageSet pages = readMap(m_file, index.map, what);
        for (quint32 p : pages)
            own(p, what);
        if (pages != PageSet{index.root})
            fault(what + QStringLiteral(": its usage map does not hold exactly its root page"));
        const std::vector<QByteArray> entries = readLeaf(m_file, index.root, what);
        if (u32(m_file, int(index.root) * PageSize + 4) != t.tdefPage)
            fault(what + QStringLiteral(": its page names another table"));
        for (size_t i = 1; i < entries.size(); ++i)
            if (!(entries[i - 1] < entries[i]))
                fault(what + QStringLiteral(": entries %1 and %2 are out of order").arg(i - 1).arg(i));
        std::set<QByteArray> expected;
        const Refusal fail = [&](const ColumnLayout& c, const QString& d) {
            throw KovexError(what + QStringLiteral(", column \"%1\": %2").arg(c.name, d));
        };
        for (const StoredRow& r : rows)
            if (const auto key = indexKey(t, index, r.cells, fail))
                expected.insert(indexEntry(*key, r.page, r.row));
        if (std::set<QByteArray>(entries.begin(), entries.end()) != expected ||
            entries.size() != expected.size())
            fault(what + QStringLiteral(": its %1 entries are not one a row, each with the key of its row")
                             .arg(entries.size()));
        std::set<QByteArray> keys;
        for (const QByteArray& e : entries)
            keys.insert(e.left(e.size() - 4));
        if (index.rowCount != keys.size())
            fault(what + QStringLiteral(": its definition counts %1 distinct keys where it holds %2")
                             .arg(index.rowCount)
                             .arg(keys.size()));
        const int free = int(u16(m_file, int(index.root) * PageSize + 2));
        int used = 0;
        for (const QByteArray& e : entries)
            used += int(e.size());
        if (free != PageSize - IndexEntriesStart - used)
            fault(what + QStringLiteral(": its page gives %1 bytes free where %2 are")
                             .arg(free)
                             .arg(PageSize - IndexEntriesStart - used));
    }

    void checkTable(const TableLayout& t) {
        try {
            checkMaps(t);
            const std::vector<StoredRow> rows = readRows(m_file, t);
            if (rows.size() != t.rowCount)
                fault(QStringLiteral("Table \"%1\": its definition counts %2 rows where it holds %3")
                          .arg(t.name)
                          .arg(t.rowCount)
                          .arg(rows.size()));
            for (size_t n = 0; n < t.indexes.size(); ++n)
                checkIndex(t, n, rows);
        } catch (const KovexError& e) {
            fault(e.text());
        }
    }

    const JetFile& m_f;
    const QByteArray& m_file;
    std::map<quint32, std::set<QString>> m_owners;
    std::vector<QString> m_faults;
};

} // namespace

std::vector<QString> structuralFaults(const QByteArray& file) {
    try {
        const JetFile f = JetFile::read(file);
        return Checker(f).run();
    } catch (const KovexError& e) {
        return {e.text()};
    }
}

} // namespace kovex::jet
