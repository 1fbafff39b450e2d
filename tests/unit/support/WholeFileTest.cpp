#include "support/WholeFile.h"

#include "TestFiles.h"
#include "support/PendingFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace kovex;
using wholefile::Fault;
using wholefile::FileFault;

namespace {

QStringList allEntries(const QString& folder) {
    QStringList entries =
        QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    entries.sort();
    return entries;
}

Fault faultOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const FileFault& fault) {
        return fault.fault;
    }
    ADD_FAILURE() << "no fault";
    return Fault::NotFound;
}

} // namespace

// A save that ends before the new file takes its name leaves the earlier
// file as it was and nothing else in the folder.
TEST(WholeFile, AnUnfinishedSaveLeavesTheEarlierFileAndNoOther) {
    QTemporaryDir folder;
    const QString path = folder.filePath("case.kovex");
    test::writeBytes(path, "earlier");
    {
        wholefile::PendingFile pending(path);
        pending.write("half of the new");
    }
    EXPECT_EQ(test::fileBytes(path), "earlier");
    EXPECT_EQ(allEntries(folder.path()), QStringList{"case.kovex"});

    wholefile::save(path, "new");
    EXPECT_EQ(test::fileBytes(path), "new");
    EXPECT_EQ(allEntries(folder.path()), QStringList{"case.kovex"});
}

// A link at the name is replaced by a regular file of the folder; neither
// the file it points to nor a missing target is ever written.
TEST(WholeFile, ALinkIsReplacedNeverWrittenThrough) {
    QTemporaryDir folder;
    QTemporaryDir outside;
    const QString target = outside.filePath("target.txt");
    test::writeBytes(target, "outside");
    const QString path = folder.filePath("ON4XX_tpai.txt");
    ASSERT_TRUE(QFile::link(target, path));
    wholefile::save(path, "new");
    EXPECT_FALSE(QFileInfo(path).isSymLink());
    EXPECT_EQ(test::fileBytes(path), "new");
    EXPECT_EQ(test::fileBytes(target), "outside");

    const QString dangling = folder.filePath("ON4XX_1.jpeg");
    ASSERT_TRUE(QFile::link(outside.filePath("made.txt"), dangling));
    wholefile::save(dangling, "picture");
    EXPECT_FALSE(QFileInfo(dangling).isSymLink());
    EXPECT_EQ(test::fileBytes(dangling), "picture");
    EXPECT_FALSE(QFileInfo::exists(outside.filePath("made.txt")));
}

// Not the permissions of the file replaced, nor of a link's target: those
// of any new file of the user.
TEST(WholeFile, TheNewFileHasTheModeOfANewFile) {
    QTemporaryDir folder;
    const QString path = folder.filePath("ON4XX_tpai.txt");
    test::writeBytes(path, "earlier");
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0666), 0);
    const mode_t mask = ::umask(022);
    wholefile::save(path, "new");
    ::umask(mask);
    struct stat status {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0644u);
}

// A temporary left by a killed save (no save holds it) is removed at the
// next save of the same file and at start-up; that of a running save stays.
TEST(WholeFile, StaleTemporariesAreRemoved) {
    QTemporaryDir folder;
    const QString path = folder.filePath("ON4XX_kovex.mdb");
    QString stale;
    {
        wholefile::PendingFile running(path);
        stale = running.path().chopped(11) + "zzzzzz.part";
        ASSERT_TRUE(QFile::copy(running.path(), stale));
        test::writeBytes(folder.filePath("ON4XX_report.txt.part1x2y3z"), "of an earlier version");
        test::writeBytes(folder.filePath("notes.part"), "the user's own");
        wholefile::removeStaleTemporaries(folder.path());
        EXPECT_TRUE(QFileInfo::exists(running.path()));
        EXPECT_FALSE(QFileInfo::exists(stale));
        EXPECT_EQ(allEntries(folder.path()),
                  (QStringList{QFileInfo(running.path()).fileName(), "notes.part"}));
        ASSERT_TRUE(QFile::copy(running.path(), stale));
    }
    EXPECT_TRUE(QFileInfo::exists(stale));
    wholefile::save(path, "new");
    EXPECT_EQ(allEntries(folder.path()), (QStringList{"ON4XX_kovex.mdb", "notes.part"}));
}

// A name near the system's limit of 255 bytes still has a temporary.
TEST(WholeFile, ALongNameHasAShortTemporary) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QString(240, 'A') + "_kovex.mdb");
    wholefile::save(path, "new");
    EXPECT_EQ(test::fileBytes(path), "new");
}

TEST(WholeFile, ReadsOnlyRegularFilesWithinTheBound) {
    QTemporaryDir folder;
    const QString path = folder.filePath("f");
    test::writeBytes(path, "12345");
    EXPECT_EQ(wholefile::read(path, 5), "12345");
    EXPECT_EQ(faultOf([&] { wholefile::read(path, 4); }), Fault::TooLarge);
    EXPECT_EQ(faultOf([&] { wholefile::read(folder.filePath("none"), 5); }), Fault::NotFound);
    EXPECT_EQ(faultOf([&] { wholefile::read(folder.path(), 5); }), Fault::NotReadable);
    const QString pipe = folder.filePath("pipe");
    ASSERT_EQ(mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);
    EXPECT_EQ(faultOf([&] { wholefile::read(pipe, 5); }), Fault::NotReadable);
    // a folder or a named pipe in the way is not replaced
    EXPECT_EQ(faultOf([&] { wholefile::save(folder.path(), "new"); }), Fault::NotReplaceable);
    EXPECT_EQ(faultOf([&] { wholefile::save(pipe, "new"); }), Fault::NotReplaceable);
}

namespace {

// A file opened emptied is written from its start, whatever it held.
TEST(WholeFile, AFileOpenedEmptiedHoldsOnlyWhatIsWritten) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    for (const QByteArray& before : {QByteArray(), QByteArray("earlier and longer content")}) {
        const QString path = folder.filePath(QStringLiteral("file"));
        if (!before.isNull())
            test::writeBytes(path, before);
        QFile file(path);
        wholefile::openEmptied(file);
        file.write("new");
        file.close();
        EXPECT_EQ(test::fileBytes(path), QByteArray("new")) << before.constData();
    }
    QFile inNoFolder(folder.filePath(QStringLiteral("no/such/file")));
    EXPECT_THROW(wholefile::openEmptied(inNoFolder), KovexError);
}

} // namespace
