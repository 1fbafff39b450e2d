#pragma once

// A Jet 4.0 file and the layouts of its tables: made new, read from bytes,
// a table's rows replaced. Internal to src/jet.

#include "jet/JetFormat.h"
#include "jet/JetPageSet.h"

#include <QByteArray>

#include <optional>
#include <vector>

namespace kovex::jet::format {

class JetFile {
  public:
    static JetFile create(const std::vector<TableDef>& schema, double now);
    // Throws KovexError on what it does not support or finds broken.
    static JetFile read(const QByteArray& bytes);

    const QByteArray& bytes() const { return m_bytes; }
    const std::vector<TableLayout>& tables() const { return m_tables; } // every table, in catalog order
    std::vector<const TableLayout*> userTables() const;
    const TableLayout* userTable(const QString& name) const;
    const TableLayout& requireUserTable(const QString& name) const;
    // All or nothing: throws KovexError and leaves the file as it was.
    void replaceRows(const QString& name, const std::vector<CellRow>& rows);
    // The same without a copy: on a refusal the file may be half changed
    // and must be dropped.
    void replaceRowsInPlace(const QString& name, const std::vector<CellRow>& rows);
    // Reads now what replacements look up (the pages the tables' maps
    // claim), so that copies of this file carry it instead of each reading
    // it again.
    void prepareReplacements() const;

  private:
    size_t tableIndex(const QString& name) const;
    void replaceIn(size_t n, TableLayout& t, QByteArray& file, const std::vector<CellRow>& rows);
    PageSet takeGlobalFree();
    void keepGlobalFree(PageSet free);
    const PageSet& structure() const;
    void readClaims() const;
    bool claimed(quint32 page) const;
    void keepClaims(size_t table, const PageSet& freed, const std::vector<quint32>& taken, int pagesBefore);

    QByteArray m_bytes;
    std::vector<TableLayout> m_tables;
    std::vector<bool> m_user;
    // What every table's usage maps claim, read once and kept up to date
    // while the maps are all of the inline kind (whose reading depends on
    // their own bytes alone); empty when not read yet.
    mutable std::optional<PageSet> m_structure;
    mutable std::vector<PageSet> m_claims;
    mutable bool m_claimsKnown = false;
    std::optional<PageSet> m_globalFree;
};

bool isUserTable(const TableLayout& t, qint32 catalogFlags);

} // namespace kovex::jet::format
