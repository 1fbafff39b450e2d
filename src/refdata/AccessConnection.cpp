#include "refdata/AccessConnection.h"

#include "support/KovexError.h"

#include <QSqlError>
#include <QUuid>

namespace kovex {

AccessConnection::AccessConnection()
    : m_connectionName(QStringLiteral("ADOConnection3-") +
                       QUuid::createUuid().toString(QUuid::WithoutBraces)) {}

AccessConnection::~AccessConnection() {
    close();
}

void AccessConnection::open(const QString& path) {
    close();
    QString failure;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
        db.setDatabaseName(path);
        if (!db.open())
            failure = db.lastError().text();
    }
    if (!failure.isEmpty()) {
        QSqlDatabase::removeDatabase(m_connectionName);
        throw KovexError(failure);
    }
    m_fileName = path;
}

// The driver is registered only while open: the program may run without
// ever saving, and without the application object drivers need.
void AccessConnection::close() {
    if (!QSqlDatabase::contains(m_connectionName))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
    m_fileName.clear();
}

bool AccessConnection::isOpen() const {
    return QSqlDatabase::contains(m_connectionName) &&
           QSqlDatabase::database(m_connectionName, false).isOpen();
}

QSqlDatabase AccessConnection::database() const {
    return QSqlDatabase::database(m_connectionName, false);
}

} // namespace kovex
