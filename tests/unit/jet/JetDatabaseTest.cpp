#include "SampleFiles.h"

#include "jet/JetCheck.h"
#include "jet/JetDatabase.h"
#include "jet/JetFile.h"
#include "jet/JetStorage.h"

#include "support/KovexError.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <bit>

#include <cmath>
#include <limits>

using namespace kovex;
using namespace kovex::jet;

namespace {

constexpr int PageSize = 4096;

// Doubles compare by their bits, so that -0 and 0 differ; a missing yes/no
// reads back as false.
bool sameValue(const Value& written, const Value& read, ColumnType type) {
    if (type == ColumnType::Boolean && std::holds_alternative<std::monostate>(written))
        return read == Value(false);
    if (const auto* d = std::get_if<double>(&written)) {
        const auto* e = std::get_if<double>(&read);
        return e && std::bit_cast<quint64>(*d) == std::bit_cast<quint64>(*e);
    }
    return written == read;
}

void expectReadsBack(const samples::Sample& sample, const QByteArray& bytes) {
    const Database db = Database::read(bytes);
    ASSERT_EQ(db.tables().size(), sample.schema.size());
    for (size_t t = 0; t < sample.schema.size(); ++t) {
        const TableDef& want = sample.schema[t];
        const TableDef got = db.tables()[t];
        ASSERT_EQ(got.name, want.name);
        ASSERT_EQ(got.columns.size(), want.columns.size());
        EXPECT_EQ(got.primaryKey, want.primaryKey) << qPrintable(want.name);
        for (size_t c = 0; c < want.columns.size(); ++c) {
            EXPECT_EQ(got.columns[c].name, want.columns[c].name);
            EXPECT_EQ(got.columns[c].type, want.columns[c].type);
            if (want.columns[c].type == ColumnType::Text) {
                EXPECT_EQ(got.columns[c].maxChars, want.columns[c].maxChars);
            }
        }
        const std::vector<Row> rows = db.rows(want.name.toUpper());
        ASSERT_EQ(rows.size(), sample.rows[t].size()) << qPrintable(want.name);
        for (size_t r = 0; r < rows.size(); ++r)
            for (size_t c = 0; c < want.columns.size(); ++c)
                ASSERT_TRUE(sameValue(sample.rows[t][r][c], rows[r][c], want.columns[c].type))
                    << qPrintable(want.name) << " row " << r << " column " << c;
    }
}

void expectSound(const QByteArray& bytes) {
    const std::vector<QString> faults = structuralFaults(bytes);
    EXPECT_TRUE(faults.empty()) << qPrintable(faults.empty() ? QString() : faults.front());
}

// The refusal's text, as UTF-8 for readable failures.
std::string refusalOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const KovexError& e) {
        return e.text().toStdString();
    }
    return "(no refusal)";
}

Database oneTable(std::vector<ColumnDef> columns, int primaryKey = -1) {
    return Database::create({TableDef{QStringLiteral("File1Table"), std::move(columns), primaryKey}});
}

// The definition, usage-map, index and data pages of every table but one
// (Jet's own included), by page number.
std::map<quint32, QByteArray> pagesBesides(const QByteArray& bytes, const QString& table) {
    const format::JetFile f = format::JetFile::read(bytes);
    std::map<quint32, QByteArray> pages;
    for (const format::TableLayout& t : f.tables())
        if (t.name != table) {
            for (const format::IndexLayout& i : t.indexes)
                pages[i.root] = bytes.mid(qsizetype(i.root) * PageSize, PageSize);
            pages[t.owned.page] = bytes.mid(qsizetype(t.owned.page) * PageSize, PageSize);
            for (quint32 p : t.tdefPages)
                pages[p] = bytes.mid(qsizetype(p) * PageSize, PageSize);
            for (quint32 p : format::readMap(bytes, t.owned, t.name))
                pages[p] = bytes.mid(qsizetype(p) * PageSize, PageSize);
        }
    return pages;
}

} // namespace

// Random schemas of every column type with 0 to 400 rows (texts beyond
// Windows-1252 and U+FFFF, empty and missing values, texts of exactly the
// column's length, the edge doubles) read back as written, and every file
// is sound: pages owned once, free space, row counts and indexes right.
TEST(JetDatabase, RandomDatabasesReadBackAsWritten) {
    std::mt19937 random(7);
    for (int round = 0; round < 12; ++round) {
        const samples::Sample sample = samples::randomSample(random);
        const QByteArray bytes = samples::build(sample).bytes();
        expectReadsBack(sample, bytes);
        expectSound(bytes);
    }
}

TEST(JetDatabase, EdgeValuesReadBackAsWritten) {
    const samples::Sample sample = samples::edgeSample();
    const Database db = samples::build(sample);
    expectReadsBack(sample, db.bytes());
    expectSound(db.bytes());
    const std::vector<Row> rows = Database::read(db.bytes()).rows(QStringLiteral("Applicant"));
    EXPECT_EQ(std::get<QString>(rows[3][1]), QChar(0xFEFF) + QStringLiteral("BOM first"));
    EXPECT_TRUE(std::signbit(std::get<double>(rows[1][3])));
}

TEST(JetDatabase, ADefinitionOfSeveralPagesReadsBack) {
    const samples::Sample sample = samples::wideSample();
    const QByteArray bytes = samples::build(sample).bytes();
    expectReadsBack(sample, bytes);
    expectSound(bytes);
    EXPECT_GT(format::JetFile::read(bytes).tables().back().tdefPages.size(), 2u);
}

TEST(JetDatabase, ANewDatabaseHoldsJetsCatalogAndItsIndexes) {
    const Database db = Database::create({});
    EXPECT_TRUE(db.tables().empty());
    expectSound(db.bytes());
    const format::JetFile f = format::JetFile::read(db.bytes());
    ASSERT_EQ(f.tables().size(), 4u);
    EXPECT_EQ(f.tables()[0].name, QStringLiteral("MSysObjects"));
    EXPECT_EQ(f.tables()[0].rowCount, 8u);  // three containers, MSysDb, four tables
    EXPECT_EQ(f.tables()[1].rowCount, 24u); // three access rows each
    EXPECT_EQ(db.bytes().mid(4, 15), QByteArray("Standard Jet DB"));
}

// Replacing a table's rows leaves every other table's pages as they were,
// and pages it no longer needs go back to the global usage map.
TEST(JetDatabase, ReplacingRowsLeavesOtherTablesAsTheyWere) {
    Database db = samples::build(samples::edgeSample());
    const QByteArray before = db.bytes();
    db.replaceRows(QStringLiteral("APPLICANT"), {});
    expectSound(db.bytes());
    EXPECT_EQ(pagesBesides(before, QStringLiteral("Applicant")),
              pagesBesides(db.bytes(), QStringLiteral("Applicant")));
    EXPECT_TRUE(db.rows(QStringLiteral("Applicant")).empty());
    const std::vector<Row> rows = samples::edgeSample().rows[0];
    db.replaceRows(QStringLiteral("Applicant"), rows);
    expectSound(db.bytes());
    EXPECT_EQ(db.bytes().size(), before.size()); // freed pages were taken again
    EXPECT_EQ(Database::read(db.bytes()).rows(QStringLiteral("Applicant")).size(), rows.size());
    db.replaceRows(QStringLiteral("Applicant"),
                   {{qint32(1), QStringLiteral("a"), QString(9000, u'z'), 1.0, true, QStringLiteral("x")}});
    expectSound(db.bytes());
    EXPECT_EQ(pagesBesides(before, QStringLiteral("Applicant")),
              pagesBesides(db.bytes(), QStringLiteral("Applicant")));
}

TEST(JetDatabase, AMissingYesNoIsWrittenAsNo) {
    Database db = oneTable({{QStringLiteral("Flag"), ColumnType::Boolean}});
    db.replaceRows(QStringLiteral("File1Table"), {{std::monostate{}}, {true}});
    EXPECT_EQ(db.rows(QStringLiteral("File1Table")), (std::vector<Row>{{false}, {true}}));
}

// Each refusal names the table and the column and leaves the database as
// it was.
TEST(JetDatabase, RefusesWhatTheColumnCannotHold) {
    Database db = oneTable({{QStringLiteral("AA09InfoApplicant"), ColumnType::Text, 255},
                            {QStringLiteral("N"), ColumnType::Double},
                            {QStringLiteral("K"), ColumnType::Long}});
    db.replaceRows(QStringLiteral("File1Table"), {{QStringLiteral("kept"), 1.0, qint32(1)}});
    const QByteArray before = db.bytes();
    const auto refusal = [&](Row row) {
        return refusalOf([&] { db.replaceRows(QStringLiteral("File1Table"), {row}); });
    };
    EXPECT_EQ(refusal({QString(300, u'x'), 1.0, qint32(1)}),
              std::string("Table \"File1Table\", column \"AA09InfoApplicant\": a text of 300 characters is "
                          "longer than the column's 255"));
    EXPECT_EQ(
        refusal({QString(), std::numeric_limits<double>::quiet_NaN(), qint32(1)}),
        std::string(
            "Table \"File1Table\", column \"N\": a number that is infinite or undefined cannot be stored"));
    EXPECT_EQ(
        refusal({QString(), -std::numeric_limits<double>::infinity(), qint32(1)}),
        std::string(
            "Table \"File1Table\", column \"N\": a number that is infinite or undefined cannot be stored"));
    EXPECT_EQ(refusal({QString(), 1.0, QStringLiteral("1")}),
              std::string("Table \"File1Table\", column \"K\": a value of the wrong kind for the column"));
    EXPECT_EQ(
        refusal({qint32(4), 1.0, qint32(1)}),
        std::string(
            "Table \"File1Table\", column \"AA09InfoApplicant\": a value of the wrong kind for the column"));
    EXPECT_EQ(
        refusal({QString(QChar(0xFEFF)) + QChar(0x4E00), 1.0, qint32(1)}),
        std::string(
            "Table \"File1Table\", column \"AA09InfoApplicant\": a text that begins with U+FEFF and holds a "
            "character whose code ends in 00 cannot be stored"));
    EXPECT_EQ(refusal({QString(), 1.0}),
              std::string("Table \"File1Table\", row 1: 2 values for the table's 3 columns"));
    EXPECT_EQ(refusalOf([&] { db.replaceRows(QStringLiteral("Nothing"), {}); }),
              std::string("Table \"Nothing\": the database has no table of this name"));
    EXPECT_EQ(db.bytes(), before);
}

TEST(JetDatabase, RefusesARowOverTheRowLimit) {
    std::vector<ColumnDef> columns;
    Row row;
    for (int i = 0; i < 9; ++i) {
        columns.push_back({QStringLiteral("T%1").arg(i), ColumnType::Text, 255});
        row.push_back(QString(255, QChar(0x4E00)));
    }
    Database db = oneTable(columns);
    EXPECT_EQ(
        refusalOf([&] {
            db.replaceRows(QStringLiteral("File1Table"), {row, row});
        }),
        std::string(
            "Table \"File1Table\", row 1: a row of 4616 bytes is longer than the 4060 bytes Jet allows"));
    row.resize(7);
    columns.resize(7);
    Database fits = oneTable(columns);
    fits.replaceRows(QStringLiteral("File1Table"), {row});
    expectSound(fits.bytes());
}

TEST(JetDatabase, RefusesMoreKeysThanOneIndexPageHoldsAndBrokenKeys) {
    Database db = oneTable({{QStringLiteral("File1PK"), ColumnType::Long}}, 0);
    std::vector<Row> rows;
    rows.reserve(401);
    for (int i = 0; i < 401; ++i)
        rows.push_back({qint32(400 - i)});
    db.replaceRows(QStringLiteral("File1Table"), rows);
    expectSound(db.bytes());
    rows.push_back({qint32(1000)});
    EXPECT_EQ(
        refusalOf([&] { db.replaceRows(QStringLiteral("File1Table"), rows); }),
        std::string("Table \"File1Table\", column \"File1PK\": 402 rows are more than one index page holds"));
    EXPECT_EQ(refusalOf([&] {
                  db.replaceRows(QStringLiteral("File1Table"), {{qint32(5)}, {qint32(5)}});
              }),
              std::string(
                  "Table \"File1Table\", column \"File1PK\": two rows hold the same key of a unique index"));
    EXPECT_EQ(refusalOf([&] { db.replaceRows(QStringLiteral("File1Table"), {{std::monostate{}}}); }),
              std::string("Table \"File1Table\", column \"File1PK\": a key that is missing"));
    EXPECT_EQ(db.rows(QStringLiteral("File1Table")).size(), 401u);
}

TEST(JetDatabase, RefusesSchemasJetCannotHold) {
    const auto refusal = [](TableDef t) { return refusalOf([&] { Database::create({t}); }); };
    const ColumnDef text{QStringLiteral("A"), ColumnType::Text, 10};
    EXPECT_EQ(
        refusal({QStringLiteral("Caf\u00e9"), {text}, -1}),
        std::string("Table \"Caf\u00e9\": a table name may hold only the letters A to Z, the digits and _"));
    EXPECT_EQ(refusal({QStringLiteral("MSysMine"), {text}, -1}),
              std::string("Table \"MSysMine\": names beginning with MSys belong to Jet's own tables"));
    EXPECT_EQ(refusal({QStringLiteral("T"), {text}, 0}),
              std::string("Table \"T\": the primary key must be one of its long-integer columns"));
    EXPECT_EQ(refusal({QStringLiteral("T"), {text, text}, -1}),
              std::string("Table \"T\", column \"A\": the table has two columns of this name"));
    EXPECT_EQ(refusal({QStringLiteral("T"), {{QStringLiteral("A"), ColumnType::Text, 256}}, -1}),
              std::string("Table \"T\", column \"A\": a text column holds 1 to 255 characters, not 256"));
    EXPECT_EQ(refusalOf([&] {
                  Database::create({{QStringLiteral("t"), {text}, -1}, {QStringLiteral("T"), {text}, -1}});
              }),
              std::string("Table \"T\": the schema has two tables of this name"));
}

// What the reader does not support is refused by name, never misread.
TEST(JetDatabase, ReaderRefusesWhatItDoesNotSupport) {
    Database db = oneTable({{QStringLiteral("File1PK"), ColumnType::Long}}, 0);
    QByteArray bytes = db.bytes();
    QByteArray jet3 = bytes;
    jet3[0x14] = 0;
    EXPECT_EQ(refusalOf([&] { Database::read(jet3); }),
              std::string("The database is in the format of Jet 3, not Jet 4.0 (Access 2000 to 2003)"));
    QByteArray encrypted = bytes;
    encrypted[0x3E] = char(encrypted[0x3E] ^ 0x01); // a database key under the mask
    EXPECT_EQ(refusalOf([&] { Database::read(encrypted); }),
              std::string("The database is encrypted, which this library does not read"));
    EXPECT_EQ(refusalOf([&] { Database::read(QByteArray("not a database")); }),
              std::string("The file is no Jet database: its size is no whole number of pages"));
    const format::JetFile f = format::JetFile::read(bytes);
    QByteArray twoPages = bytes;
    format::put32(twoPages, int(f.tables().back().indexes[0].root) * PageSize + 16, 3); // a next leaf
    EXPECT_EQ(
        refusalOf([&] { Database::read(twoPages); }),
        std::string("Table \"File1Table\": an index of several pages, which this library does not support"));
    QByteArray date = bytes;
    date[int(f.tables().back().tdefPage) * PageSize + 63 + 12 + 0] = char(0x08); // a date/time column
    EXPECT_EQ(refusalOf([&] { Database::read(date); }),
              std::string("Table \"File1Table\", column \"File1PK\": a column of type date/time, which this "
                          "library does not read"));
}

TEST(JetDatabase, SavesTheWholeFile) {
    QTemporaryDir dir;
    const Database db = samples::build(samples::edgeSample());
    saveFile(db, dir.filePath(QStringLiteral("ZZ0ZZ_kovex.mdb")));
    QFile file(dir.filePath(QStringLiteral("ZZ0ZZ_kovex.mdb")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), db.bytes());
    // No folder to write into, or a folder where the file should be: refused.
    EXPECT_EQ(refusalOf([&] { saveFile(db, dir.filePath(QStringLiteral("missing/ZZ0ZZ_kovex.mdb"))); }),
              std::string("File access denied"));
    QDir(dir.path()).mkdir(QStringLiteral("folder.mdb"));
    EXPECT_EQ(refusalOf([&] { saveFile(db, dir.filePath(QStringLiteral("folder.mdb"))); }),
              std::string("File access denied"));
}

// A batch of replacements is one change: kept whole when every replacement
// holds, dropped whole when one is refused, even one the batch caught.
TEST(JetDatabase, ABatchOfChangesIsAllOrNothing) {
    Database db = Database::create(
        {TableDef{
             QStringLiteral("Points"),
             {{QStringLiteral("PointPK"), ColumnType::Long}, {QStringLiteral("Name"), ColumnType::Text, 4}},
             0},
         TableDef{QStringLiteral("Sites"), {{QStringLiteral("SitePK"), ColumnType::Long}}, 0}});
    db.change([](Database& d) {
        d.replaceRows(QStringLiteral("Points"),
                      {{qint32(1), QStringLiteral("one")}, {qint32(2), QStringLiteral("two")}});
        d.replaceRows(QStringLiteral("Sites"), {{qint32(7)}});
    });
    expectSound(db.bytes());
    const QByteArray kept = db.bytes();
    EXPECT_EQ(Database::read(kept).rows(QStringLiteral("Sites")), (std::vector<Row>{{qint32(7)}}));

    const std::string thrown = refusalOf([&] {
        db.change([](Database& d) {
            d.replaceRows(QStringLiteral("Sites"), {});
            d.replaceRows(QStringLiteral("Points"), {{qint32(3), QStringLiteral("three")}});
        });
    });
    EXPECT_NE(thrown.find("Name"), std::string::npos) << thrown;
    EXPECT_EQ(db.bytes(), kept);

    const std::string caught = refusalOf([&] {
        db.change([](Database& d) {
            d.replaceRows(QStringLiteral("Sites"), {});
            try {
                d.replaceRows(QStringLiteral("Points"), {{qint32(3), QStringLiteral("three")}});
            } catch (const KovexError&) {
            }
        });
    });
    EXPECT_NE(caught, "(no refusal)");
    EXPECT_EQ(db.bytes(), kept);
}

// A scratch copy is changed in place, even within change(), yet never
// reaches the database it was copied from, which a later save copies again.
TEST(JetDatabase, AScratchCopyLeavesItsOriginalAlone) {
    const Database original = Database::create(
        {TableDef{QStringLiteral("Sites"), {{QStringLiteral("SitePK"), ColumnType::Long}}, 0}});
    const QByteArray before = original.bytes();
    Database scratch = original.scratchCopy();
    scratch.change([](Database& d) { d.replaceRows(QStringLiteral("Sites"), {{qint32(7)}}); });
    scratch.replaceRows(QStringLiteral("Sites"), {{qint32(8)}, {qint32(9)}});
    expectSound(scratch.bytes());
    EXPECT_EQ(Database::read(scratch.bytes()).rows(QStringLiteral("Sites")),
              (std::vector<Row>{{qint32(8)}, {qint32(9)}}));
    EXPECT_EQ(original.bytes(), before);
    EXPECT_TRUE(original.rows(QStringLiteral("Sites")).empty());
}
