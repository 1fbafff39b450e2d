#pragma once

#include "jet/JetDatabase.h"

#include <QString>
#include <optional>

namespace kovex {

// The access file written for the regulator, a Jet 4.0 database, held in
// memory while a save fills it and afterwards on the last file saved, until
// the next save lets go of it.
class AccessConnection {
  public:
    // Reads the database file `path`, letting go of any other first; throws
    // the file's or the format's error when it cannot.
    void open(const QString& path);
    // Opens the file `path` just written with `bytes` without reading it
    // back. A save copies the same template every time: the last template
    // read is kept, and taken again while the bytes are the same. Its
    // changes are made in place: a refused one leaves it half changed, to
    // be closed.
    void openCopy(const QString& path, const QByteArray& bytes);
    // Opens a scratch copy of the template an earlier save read, as above,
    // for a save whose own copy of the template is still being made; false
    // when no template was read yet.
    bool openLastTemplate(const QString& path);
    // The copy of the template is made and holds `bytes`: true when they are
    // the template it was opened on.
    bool copyMatches(const QByteArray& bytes);
    // The file it is open on took the name `path`.
    void followRename(const QString& path);
    void close();
    bool isOpen() const { return m_database.has_value(); }
    // The file it is open on; empty when closed.
    const QString& fileName() const { return m_fileName; }
    // The open database; only while the connection is open.
    jet::Database& database();
    const jet::Database& database() const;
    // Writes the database as it now stands over the file it was read from
    // or copied to (only the pages that differ from a copy); throws the
    // program's file messages.
    void writeBack() const;

  private:
    std::optional<jet::Database> m_database;
    QString m_fileName;
    // The file holds the last template copied, as it was copied.
    bool m_holdsCopy = false;
    struct ReadCopy {
        QByteArray bytes;
        jet::Database database;
    };
    std::optional<ReadCopy> m_lastCopied;
};

} // namespace kovex
