#include "support/WholeFile.h"

#include <QDir>
#include <QFile>
#include <QIODevice>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace kovex;
using wholefile::Fault;
using wholefile::FileFault;

namespace {

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
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

// A save that fails half-way, or a write that reports failure, leaves the
// earlier file as it was and nothing else in the folder.
TEST(WholeFile, AFailedSaveLeavesTheEarlierFileAndNoOther) {
    QTemporaryDir folder;
    const QString path = folder.filePath("case.kovex");
    writeFile(path, "earlier");
    EXPECT_EQ(faultOf([&] {
                  wholefile::save(path, [](QIODevice& file) {
                      file.write("half of the new");
                      return false;
                  });
              }),
              Fault::WriteFailed);
    EXPECT_EQ(contentOf(path), "earlier");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"case.kovex"});

    wholefile::save(path, [](QIODevice& file) { return file.write("new") == 3; });
    EXPECT_EQ(contentOf(path), "new");
}

TEST(WholeFile, ReadsOnlyRegularFilesWithinTheBound) {
    QTemporaryDir folder;
    const QString path = folder.filePath("f");
    writeFile(path, "12345");
    EXPECT_EQ(wholefile::read(path, 5), "12345");
    EXPECT_EQ(faultOf([&] { wholefile::read(path, 4); }), Fault::TooLarge);
    EXPECT_EQ(faultOf([&] { wholefile::read(folder.filePath("none"), 5); }), Fault::NotFound);
    EXPECT_EQ(faultOf([&] { wholefile::read(folder.path(), 5); }), Fault::NotReadable);
    const QString pipe = folder.filePath("pipe");
    ASSERT_EQ(mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);
    EXPECT_EQ(faultOf([&] { wholefile::read(pipe, 5); }), Fault::NotReadable);
    // a folder in the way is not replaced
    EXPECT_EQ(faultOf([&] { wholefile::save(folder.path(), [](QIODevice&) { return true; }); }),
              Fault::NotReplaceable);
}
