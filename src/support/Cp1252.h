#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The single-byte Windows-1252 code page of the program's own text files.
namespace kovex::cp1252 {

QString decode(const QByteArray& bytes);
// Nothing when a character has no byte in the code page.
std::optional<QByteArray> encode(const QString& text);
// The text with "?" for every character that has no byte.
QString replacingUnencodable(const QString& text);

} // namespace kovex::cp1252
