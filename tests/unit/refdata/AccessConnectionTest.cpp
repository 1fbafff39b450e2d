#include "refdata/AccessConnection.h"

#include "TestFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kovex {
namespace {

jet::TableDef notes(const QString& name) {
    return {name,
            {{QStringLiteral("Id"), jet::ColumnType::Long, 255},
             {QStringLiteral("Note"), jet::ColumnType::Text, 255}},
            0};
}

std::vector<jet::Row> rows(int count) {
    std::vector<jet::Row> made;
    for (int i = 1; i <= count; ++i)
        made.push_back({qint32{i}, QString(200, QChar(u'a' + i % 26))});
    return made;
}

// A save writes back over its copy only the pages that changed: the file
// is then the database, byte for byte, whether it grew, and whatever the
// copy held when it was not the template the connection was opened on.
class WriteBack : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        templateBytes = jet::Database::create({notes("First"), notes("Second")}).bytes();
        other = jet::Database::create({notes("First"), notes("Second"), notes("Third")}).bytes();
    }
    QString path(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }

    QTemporaryDir folder;
    QByteArray templateBytes;
    QByteArray other;
    AccessConnection connection;
};

TEST_F(WriteBack, TheFileIsTheDatabaseAfterEveryKindOfWriteBack) {
    test::writeBytes(path("copy.mdb"), templateBytes);
    connection.openCopy(path("copy.mdb"), templateBytes);
    connection.database().replaceRows(QStringLiteral("Second"), rows(60));
    connection.writeBack();
    EXPECT_GT(connection.database().bytes().size(), templateBytes.size());
    EXPECT_TRUE(test::fileBytes(path("copy.mdb")) == connection.database().bytes());

    // Filled from the template read before while the copy, another file,
    // was made: the copy does not match, so the whole database is written.
    test::writeBytes(path("second.mdb"), other);
    ASSERT_TRUE(connection.openLastTemplate(path("second.mdb")));
    connection.database().replaceRows(QStringLiteral("First"), rows(3));
    EXPECT_FALSE(connection.copyMatches(other));
    connection.writeBack();
    EXPECT_TRUE(test::fileBytes(path("second.mdb")) == connection.database().bytes());

    // A file longer than the database is cut to it.
    test::writeBytes(path("longer.mdb"), templateBytes + QByteArray(3 * 4096 + 100, 'x'));
    connection.openCopy(path("longer.mdb"), templateBytes);
    connection.database().replaceRows(QStringLiteral("First"), rows(1));
    connection.writeBack();
    EXPECT_TRUE(test::fileBytes(path("longer.mdb")) == connection.database().bytes());
}

TEST_F(WriteBack, NoTemplateReadYetOpensNothing) {
    EXPECT_FALSE(connection.openLastTemplate(path("copy.mdb")));
    EXPECT_FALSE(connection.isOpen());
}

} // namespace
} // namespace kovex
