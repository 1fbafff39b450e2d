#pragma once

#include <QString>
#include <QStringList>

// The database files of the working folder, queried with SQL: SQLite files
// as they are, Jet files through a copy in SQLite; and the Jet files as an
// independent reader (mdbtools) exports them.
namespace kovex::scenario {

// "sql FILE STATEMENT": runs the statement; a Jet file is written back.
void runSql(const QString& fileName, const QString& sql);

// "expect-query FILE QUERY": the query's rows, values joined by "|", are
// the block's lines.
void expectQuery(const QString& fileName, const QString& sql, const QStringList& block);

// "expect-mdb-export FILE TABLE": mdb-export's CSV lines of the table are
// the block's lines.
void expectMdbExport(const QString& fileName, const QString& table, const QStringList& block);

} // namespace kovex::scenario
