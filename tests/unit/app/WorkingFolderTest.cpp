#include "app/WorkingFolder.h"

#include "FakePlatform.h"
#include "app/Program.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <unistd.h>

using namespace kovex;

namespace {

const QString kCaption = QStringLiteral("KOVEX calculation from the VEK");

// A start folder, an installed data folder holding two databases and the
// template, and a user's folder inside a documents folder that does not
// exist yet.
class WorkingFolderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("start")));
        ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("prefix/share/kovex")));
        for (const char* name : {"cableloss.mdb", "ant.mdb", "NOCALL_kovex.mdb"})
            write(installed(), QString::fromLatin1(name), QByteArray("installed ") + name);
    }

    QString path(const QString& relative) const { return QDir(root.path()).filePath(relative); }
    QString start() const { return path(QStringLiteral("start")); }
    QString installed() const { return installedDataFolder(path(QStringLiteral("prefix/bin"))); }
    QString user() const { return userWorkingFolder(path(QStringLiteral("home/Documents"))); }
    FolderCandidates candidates() const { return {start(), user(), installed()}; }

    static void write(const QString& folder, const QString& name, const QByteArray& bytes) {
        QFile file(QDir(folder).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << name.toStdString();
        file.write(bytes);
    }

    static QByteArray read(const QString& folder, const QString& name) {
        QFile file(QDir(folder).filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    }

    QTemporaryDir root;
};

TEST_F(WorkingFolderTest, StartedBesideTheDatabasesItWorksThereAsAlways) {
    write(start(), QStringLiteral("cableloss.mdb"), "mine");
    write(start(), QStringLiteral("ant.mdb"), "mine");
    const WorkingFolder chosen = chooseWorkingFolder(candidates());
    EXPECT_EQ(chosen.path, start());
    EXPECT_EQ(chosen.referenceFolder, start());
    EXPECT_TRUE(chosen.problem.isEmpty());
    EXPECT_EQ(captionWithFolder(kCaption, chosen), kCaption);
    EXPECT_FALSE(QFileInfo::exists(user())) << "nothing is created elsewhere";
}

// One database alone does not make a working folder. The copies are the
// user's to write, even from installed files that nobody may write.
TEST_F(WorkingFolderTest, FirstStartCreatesTheUserFolderAndCopiesTheInstalledFiles) {
    write(start(), QStringLiteral("ant.mdb"), "mine");
    QFile::setPermissions(QDir(installed()).filePath(QStringLiteral("ant.mdb")),
                          QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    const WorkingFolder chosen = chooseWorkingFolder(candidates());
    EXPECT_EQ(chosen.path, user());
    EXPECT_EQ(chosen.referenceFolder, user());
    EXPECT_TRUE(chosen.problem.isEmpty()) << chosen.problem.toStdString();
    EXPECT_EQ(captionWithFolder(kCaption, chosen), kCaption + " - " + user());
    for (const QString name : {"cableloss.mdb", "ant.mdb", "NOCALL_kovex.mdb"}) {
        EXPECT_EQ(read(user(), name), read(installed(), name)) << name.toStdString();
        EXPECT_TRUE(QFile::permissions(QDir(user()).filePath(name)) & QFile::WriteOwner)
            << name.toStdString();
    }
    EXPECT_EQ(QDir(user()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).size(), 3)
        << "no probe or half-written copy is left behind";
    EXPECT_EQ(read(start(), QStringLiteral("ant.mdb")), "mine");
}

TEST_F(WorkingFolderTest, AFileAlreadyInTheUserFolderIsNeverReplaced) {
    ASSERT_TRUE(QDir().mkpath(user()));
    write(user(), QStringLiteral("ant.mdb"), "antennas of my own");
    ASSERT_TRUE(QFile::link(path(QStringLiteral("nowhere")),
                            QDir(user()).filePath(QStringLiteral("NOCALL_kovex.mdb"))));
    EXPECT_TRUE(chooseWorkingFolder(candidates()).problem.isEmpty());
    EXPECT_EQ(read(user(), QStringLiteral("ant.mdb")), "antennas of my own");
    EXPECT_TRUE(QFileInfo(QDir(user()).filePath(QStringLiteral("NOCALL_kovex.mdb"))).isSymLink());
    EXPECT_EQ(read(user(), QStringLiteral("cableloss.mdb")), "installed cableloss.mdb");

    // A later start finds the user's own changes and keeps them too.
    write(user(), QStringLiteral("cableloss.mdb"), "cables of my own");
    const WorkingFolder again = chooseWorkingFolder(candidates());
    EXPECT_EQ(again.path, user());
    EXPECT_TRUE(again.problem.isEmpty());
    EXPECT_EQ(read(user(), QStringLiteral("cableloss.mdb")), "cables of my own");
}

// Where the documents folder is a file, no one can create the folder, not
// even the superuser. The program works in the start folder, reads the
// installed databases, and says so in one box.
TEST_F(WorkingFolderTest, AFolderThatCannotBeCreatedIsReportedOnceAndTheProgramStillStarts) {
    ASSERT_TRUE(QDir().mkpath(path(QStringLiteral("home"))));
    write(path(QStringLiteral("home")), QStringLiteral("Documents"), "a file, not a folder");
    const FolderCandidates folders{start(), user(), QStringLiteral(KOVEX_DATA_DIR)};
    const QString previous = QDir::currentPath();
    test::FakePlatform fake;
    const WorkingFolder chosen = enterWorkingFolder(fake.dialogs, folders);
    const QString current = QDir::currentPath();
    Program program(fake.platform());
    program.start(chosen.referenceFolder);
    QDir::setCurrent(previous);

    EXPECT_EQ(current, start());
    EXPECT_EQ(chosen.referenceFolder, QStringLiteral(KOVEX_DATA_DIR));
    EXPECT_EQ(captionWithFolder(kCaption, chosen), kCaption + " - " + start());
    ASSERT_EQ(fake.dialogs.shown.size(), 1u);
    EXPECT_EQ(fake.dialogs.shown.front().kind, "warning");
    EXPECT_EQ(fake.dialogs.shown.front().text, "kovex could not create its working folder\r" + user() +
                                                   "\rIt works in " + start() + " instead.");
    EXPECT_GT(program.mainForm.ctl(QStringLiteral("dblFeeder1")).items.size(), 0);
    EXPECT_GT(program.mainForm.ctl(QStringLiteral("dblAntennaType")).items.size(), 0);
    EXPECT_EQ(program.data.dialogFolder, start()) << "the TPAI files lie where the program works";
}

using WorkingFolderUnprivileged = WorkingFolderTest;

TEST_F(WorkingFolderUnprivileged, AFolderThatCannotBeWrittenIsReported) {
    if (geteuid() == 0)
        FAIL() << "permissions do not bind the superuser: run through tests/run_unprivileged.sh";
    ASSERT_TRUE(QDir().mkpath(user()));
    QFile::setPermissions(user(), QFile::ReadOwner | QFile::ExeOwner);
    const WorkingFolder chosen = chooseWorkingFolder(candidates());
    QFile::setPermissions(user(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(chosen.path, start());
    EXPECT_EQ(chosen.referenceFolder, installed());
    EXPECT_EQ(chosen.problem, "kovex cannot write in its working folder\r" + user() + "\rIt works in " +
                                  start() + " instead.");
    EXPECT_TRUE(QDir(user()).isEmpty());
}

} // namespace
