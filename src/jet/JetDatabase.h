#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <functional>
#include <memory>
#include <optional>
#include <variant>
#include <vector>

// A Jet 4.0 database (the file format of Access 2000 to 2003) held in memory:
// made from a schema, read from a file's bytes, its tables' rows replaced,
// and written back whole. Only the column types below are written or read;
// anything else in a file is refused with a message naming it.
namespace kovex::jet {

enum class ColumnType { Long, Double, Boolean, Text, Memo };

struct ColumnDef {
    QString name;
    ColumnType type = ColumnType::Long;
    int maxChars = 255; // Text only, 1..255 (UTF-16 units, as Jet counts them)
};

struct TableDef {
    QString name;
    std::vector<ColumnDef> columns;
    int primaryKey = -1; // index of a Long column, or -1
};

// NULL, long integer, double, yes/no, text or memo
using Value = std::variant<std::monostate, qint32, double, bool, QString>;
using Row = std::vector<Value>; // one value per column, in the table's column order

struct DatabaseData;

class Database {
  public:
    // A new, empty database holding these user tables; throws KovexError on
    // a schema Jet cannot hold (a name too long or with characters the
    // catalog index cannot sort, a primary key on a column that is no Long).
    static Database create(const std::vector<TableDef>& schema);
    // Throws KovexError naming what it does not support or finds broken.
    static Database read(const QByteArray& fileBytes);

    Database(const Database&);
    Database& operator=(const Database&);
    Database(Database&&) noexcept;
    Database& operator=(Database&&) noexcept;
    ~Database();

    std::vector<TableDef> tables() const;                     // user tables, in catalog order
    std::optional<TableDef> table(const QString& name) const; // found as Jet does (case-insensitive)
    std::vector<Row> rows(const QString& table) const;        // every row of a user table
    // All or nothing: on a refusal throws KovexError and the database is unchanged.
    void replaceRows(const QString& table, const std::vector<Row>& rows);
    // Several changes as one, all or nothing: `edit` changes the database it
    // is given, which becomes this one when `edit` returns. When it throws,
    // or the file refused a replacement in it (even one `edit` caught), this
    // database is unchanged and the first refusal is thrown. Cheaper than
    // single replacements, which each copy the whole file.
    void change(const std::function<void(Database&)>& edit);
    // A copy changed in place, without the copy of the whole file that
    // makes each change all or nothing: after a refusal it is half changed
    // and must be dropped. For a file written whole, and thrown away with
    // its database when any step fails.
    Database scratchCopy() const;
    QByteArray bytes() const; // the whole file

  private:
    explicit Database(std::unique_ptr<DatabaseData> data);
    std::unique_ptr<DatabaseData> m_data;
};

// Through the program's atomic file writing: complete or not at all.
// Fails with the program's plain file messages.
void saveFile(const Database& db, const QString& path);

} // namespace kovex::jet
