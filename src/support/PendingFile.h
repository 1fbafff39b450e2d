#pragma once

#include "support/WholeFile.h"

#include <QByteArray>
#include <QString>

namespace kovex::wholefile {

// A new file written under a short temporary name of the program's own in
// the folder of the file it is for, which takes that name in one step once
// it is complete and on the disk. Until then, and whatever fails, the file
// of an earlier save stays as it was. A link standing at the name is
// replaced by the new regular file and never written through; the new file
// has the permissions any new file of the user gets. An unfinished
// temporary is removed; one left behind by a killed program is removed at
// the next save of the same file and at start-up.
class PendingFile {
  public:
    // Throws FileFault: NotReplaceable when a folder, a named pipe or a
    // read-only file stands at the name, CannotCreate when no temporary can
    // be made.
    explicit PendingFile(const QString& finalPath);
    ~PendingFile();
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    // The temporary, for writers that open a file by its name.
    const QString& path() const { return m_path; }

    // Each throws FileFault WriteFailed with the system's reason.
    void write(const QByteArray& bytes);
    // Syncs whatever was written to the temporary, by any writer: the slow
    // part of a save, done before any rename.
    void complete();
    // Replaces the earlier file, if any, in one step; throws NotReplaceable.
    void takeFinalName();

  private:
    QString m_finalPath;
    QString m_path;
    int m_descriptor = -1;
    bool m_completed = false;
};

// Removes the temporaries of the program's own naming in `folder` that no
// running save holds: those a killed program left behind.
void removeStaleTemporaries(const QString& folder);

} // namespace kovex::wholefile
