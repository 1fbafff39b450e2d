#include "app/WorkingFolder.h"

#include "model/Platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryFile>

namespace kovex {

namespace {

bool holdsReferenceDatabases(const QString& folder) {
    for (const char* name : {"cableloss.mdb", "ant.mdb"})
        if (!QFileInfo(QDir(folder).filePath(QString::fromLatin1(name))).isFile())
            return false;
    return true;
}

// Permissions alone do not tell: the superuser passes them, and a read-only
// file system refuses everyone.
bool canWriteIn(const QString& folder) {
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".kovex-write-test-XXXXXX")));
    return probe.open();
}

// A dangling link is a file of the user's too: it is not replaced either.
bool isTaken(const QString& path) {
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// Copies every installed database the folder lacks and gives the names of
// those that could not be copied. The copies belong to the user, writable,
// whatever the installed files allow.
QStringList copyMissingDatabases(const QString& folder, const QString& installed) {
    QStringList failed;
    const QDir source(installed);
    for (const QString& name : source.entryList({QStringLiteral("*.mdb")}, QDir::Files, QDir::Name)) {
        const QString target = QDir(folder).filePath(name);
        if (isTaken(target))
            continue;
        if (QFile::copy(source.filePath(name), target))
            QFile::setPermissions(target,
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
        else
            failed << name;
    }
    return failed;
}

QString shown(const QString& folder) {
    return QDir::toNativeSeparators(folder);
}

// Prepares the user's folder; gives why it cannot be used, or nothing.
QString unusableBecause(const QString& folder) {
    if (!QDir().mkpath(folder))
        return QStringLiteral("kovex could not create its working folder\r%1").arg(shown(folder));
    if (!canWriteIn(folder))
        return QStringLiteral("kovex cannot write in its working folder\r%1").arg(shown(folder));
    return {};
}

} // namespace

WorkingFolder chooseWorkingFolder(const FolderCandidates& candidates) {
    if (holdsReferenceDatabases(candidates.start))
        return {candidates.start, candidates.start, false, {}};

    WorkingFolder chosen{candidates.user, {}, true, {}};
    const QString unusable = unusableBecause(candidates.user);
    if (!unusable.isEmpty()) {
        chosen.path = candidates.start;
        chosen.problem = unusable + QStringLiteral("\rIt works in %1 instead.").arg(shown(candidates.start));
    } else if (const QStringList failed = copyMissingDatabases(candidates.user, candidates.installed);
               !failed.isEmpty()) {
        chosen.problem = QStringLiteral("kovex could not copy %1 into its working folder\r%2")
                             .arg(failed.join(QStringLiteral(", ")), shown(candidates.user));
    }
    // Without databases of its own the folder still has the installed ones to
    // read; with neither, opening them there reports what is missing.
    chosen.referenceFolder =
        holdsReferenceDatabases(chosen.path) || !holdsReferenceDatabases(candidates.installed)
            ? chosen.path
            : candidates.installed;
    return chosen;
}

WorkingFolder enterWorkingFolder(Dialogs& dialogs, const FolderCandidates& candidates) {
    WorkingFolder chosen = chooseWorkingFolder(candidates);
    QDir::setCurrent(chosen.path);
    if (!chosen.problem.isEmpty())
        dialogs.warning(chosen.problem);
    return chosen;
}

QString userWorkingFolder(const QString& documentsFolder) {
    return QDir(documentsFolder).filePath(QStringLiteral("kovex"));
}

QString installedDataFolder(const QString& programFolder) {
    return QDir::cleanPath(programFolder + QStringLiteral("/../share/kovex"));
}

QString captionWithFolder(const QString& caption, const WorkingFolder& folder) {
    if (!folder.namedInCaption)
        return caption;
    return caption + QStringLiteral(" - ") + shown(folder.path);
}

} // namespace kovex
