#pragma once

// A Jet 4.0 file and the layouts of its tables: made new, read from bytes,
// a table's rows replaced. Internal to src/jet.

#include "jet/JetFormat.h"

#include <QByteArray>

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

  private:
    QByteArray m_bytes;
    std::vector<TableLayout> m_tables;
    std::vector<bool> m_user;
};

bool isUserTable(const TableLayout& t, qint32 catalogFlags);

} // namespace kovex::jet::format
