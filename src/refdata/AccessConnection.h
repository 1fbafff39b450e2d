#pragma once

#include <QSqlDatabase>
#include <QString>

namespace kovex {

// The connection to the access file written for the regulator. It stays
// open on the last file saved until the next save closes it, so that the
// file it holds is never replaced under it.
class AccessConnection {
  public:
    AccessConnection();
    ~AccessConnection();
    AccessConnection(const AccessConnection&) = delete;
    AccessConnection& operator=(const AccessConnection&) = delete;

    // Opens the database file `path`, closing any other first; throws the
    // engine's text when it cannot.
    void open(const QString& path);
    void close();
    bool isOpen() const;
    // The file it is open on; empty when closed.
    const QString& fileName() const { return m_fileName; }
    // The open database; valid only while the connection is open.
    QSqlDatabase database() const;

  private:
    // Each data module has a connection of its own, however many there are.
    QString m_connectionName;
    QString m_fileName;
};

} // namespace kovex
