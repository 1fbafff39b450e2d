#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <optional>

// The comparisons of texts the checks of files share; every failure names
// the line or the byte where the texts part.
namespace kovex::scenario {

// The bytes a "file" block writes: each line in Windows-1252, ending in
// CR LF, as the program's own text files are.
QByteArray fileBytesOfBlock(const QStringList& block);

// The lines of a text file the program wrote, in Windows-1252 with CR LF;
// fails, naming the file, on a line without CR LF or with a stray CR.
QStringList crLfLines(const QString& name, const QByteArray& bytes);

// Fails at the first line of `found` that is not as the block's line says
// (text the same, or pattern matching all of it), or that one of them lacks.
void compareLines(const QString& name, const QStringList& block, const QStringList& found);

// The first of the block's lines that no line of `found` holds after the
// lines before it: a text anywhere in a line, or a pattern matching part of
// it; none when all are there in order.
std::optional<QString> firstMissingInOrder(const QStringList& block, const QStringList& found);

// The number of the first byte at which the two differ; their common length
// when one is the start of the other.
qsizetype firstDifference(const QByteArray& one, const QByteArray& other);

// How SQLite itself turns a value into text: a REAL always shows a decimal
// point or an exponent.
QString sqliteText(const QVariant& value);

} // namespace kovex::scenario
