#pragma once

#include <QString>

namespace kovex {

class Dialogs;

// The folders the program may work in. Every path is absolute.
struct FolderCandidates {
    QString start;     // the folder the program was started in
    QString user;      // the user's own folder, created and seeded when needed
    QString installed; // the databases and the template installed with the program
};

// Where the program reads and writes its files.
struct WorkingFolder {
    QString path;            // the folder the program works in
    QString referenceFolder; // the folder the reference databases open from
    bool namedInCaption = false;
    QString problem; // one message for the user; empty when all went well
};

// Started in a folder that holds the reference databases, the program works
// there. Otherwise it works in the user's folder, created if needed, and
// copies every database installed with the program that the folder lacks;
// a file already there is never replaced. When the user's folder cannot be
// created or written, the program works in the start folder and says so,
// reading the reference databases from the installed ones.
WorkingFolder chooseWorkingFolder(const FolderCandidates& candidates);

// Chooses the folder, makes it the current folder and shows its problem, if
// any, in a warning box.
WorkingFolder enterWorkingFolder(Dialogs& dialogs, const FolderCandidates& candidates);

// The user's folder of the program inside the user's documents folder.
QString userWorkingFolder(const QString& documentsFolder);

// The installed data of a program in <prefix>/bin lie in <prefix>/share/kovex.
QString installedDataFolder(const QString& programFolder);

// The main window's caption, followed by the folder when the program works
// elsewhere than in the folder it was started in with its databases.
QString captionWithFolder(const QString& caption, const WorkingFolder& folder);

} // namespace kovex
