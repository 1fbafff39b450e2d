#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <optional>

// The single-byte Windows-1252 code page of the program's own text files.
namespace kovex::cp1252 {

QString decode(const QByteArray& bytes);
// Nothing when a character has no byte in the code page.
std::optional<QByteArray> encode(const QString& text);
// Appends the text's bytes to `bytes`; false, with `bytes` as it was, when
// a character has none.
bool appendEncoded(QStringView text, QByteArray& bytes);
// The text with "?" for every character that has no byte.
QString replacingUnencodable(const QString& text);

// The first code point of the text that has no byte, a lone surrogate
// included; nothing when the whole text has one.
std::optional<char32_t> firstUnencodable(QStringView text);
// A code point as the user is told of it: the character in quotes and its
// number ("the character "Ł" (U+0141)").
QString describe(char32_t codePoint);

} // namespace kovex::cp1252
