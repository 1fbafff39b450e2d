#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The commands that set up and check the files of the working folder, the
// scenario's own temporary folder; names are relative to it.
namespace kovex::scenario {

// Set-up.
void writeFile(const QString& name, const QStringList& block);
void copyFile(const QString& from, const QString& to);
void makeFolder(const QString& name);
void replaceInFile(const QString& name, const QString& from, const QString& to);
void cutFile(const QString& name, int size);
void fillDisk();
void setUmask(uint mask);
void changeMode(const QString& name, uint mode);
void makeFifo(const QString& name);
void makeLink(const QString& target, const QString& name);
void limitFileSize(const QString& bytes);

// Checks.
void expectFile(const QString& name, const QStringList& block);
void expectNoFile(const QString& name);
void expectSameFile(const QString& name, const QString& other);
void expectLink(const QString& name, bool link);
void expectMode(const QString& name, const QString& mode);
void expectEntries(const QString& expected);

// The whole file; fails when there is none to read.
QByteArray fileBytes(const QString& name);

} // namespace kovex::scenario
