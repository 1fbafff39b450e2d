#pragma once

#include "model/Platform.h"

#include <QRgb>
#include <QString>
#include <QStringList>

// The words of scenario commands read as values, and values shown as the
// scenarios write them; a word that is no such value fails the scenario.
namespace kovex::scenario {

// The word at `index` of a command's words; fails when the line is short.
QString arg(const QStringList& words, int index);

// "true" or "yes", "false" or "no".
bool parseBool(const QString& word);
QString boolName(bool value);
int parseInt(const QString& word);
// Permission bits, as "644" or "0600".
uint parseOctal(const QString& word);

// The drawing's colours by name ("blue", "red", "black", "white", the pure
// "green"), else any name or "#rrggbb" Qt knows.
QRgb parseColour(const QString& word);
// The name of one of the drawing's colours, else "#rrggbb".
QString colourName(QRgb rgb);

PageOrientation parseOrientation(const QString& word);
QString orientationName(PageOrientation orientation);

} // namespace kovex::scenario
