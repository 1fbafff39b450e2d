#include "ScenarioWords.h"

#include "ScenarioFailure.h"

#include <QColor>

namespace kovex::scenario {

QString arg(const QStringList& words, int index) {
    if (index >= words.size())
        fail(QString("%1 words after %2").arg(index).arg(words[0]));
    return words[index];
}

bool parseBool(const QString& word) {
    if (word == "true" || word == "yes")
        return true;
    if (word == "false" || word == "no")
        return false;
    fail("true or false, not " + word);
}

QString boolName(bool value) {
    return value ? "true" : "false";
}

int parseInt(const QString& word) {
    bool ok = false;
    const int value = word.toInt(&ok);
    if (!ok)
        fail("a whole number, not " + word);
    return value;
}

uint parseOctal(const QString& word) {
    bool ok = false;
    const uint value = word.toUInt(&ok, 8);
    if (!ok || value > 07777)
        fail("permission bits in octal, not " + word);
    return value;
}

QRgb parseColour(const QString& word) {
    if (word == "blue")
        return 0xff0000ff;
    if (word == "red")
        return 0xffff0000;
    if (word == "black")
        return 0xff000000;
    if (word == "white")
        return 0xffffffff;
    // The pure green of the drawing, not the web's darker one.
    if (word == "green")
        return 0xff00ff00;
    const QColor colour(word);
    if (!colour.isValid())
        fail("a colour, not " + word);
    return colour.rgb();
}

QString colourName(QRgb rgb) {
    switch (rgb & 0xffffff) {
    case 0x0000ff:
        return "blue";
    case 0xff0000:
        return "red";
    case 0x000000:
        return "black";
    case 0xffffff:
        return "white";
    case 0x00ff00:
        return "green";
    case 0xffff00:
        return "yellow";
    case 0xc0c0c0:
        return "silver";
    default:
        return QColor(rgb).name();
    }
}

PageOrientation parseOrientation(const QString& word) {
    if (word == "portrait")
        return PageOrientation::Portrait;
    if (word == "landscape")
        return PageOrientation::Landscape;
    fail("portrait or landscape, not " + word);
}

QString orientationName(PageOrientation orientation) {
    return orientation == PageOrientation::Portrait ? "portrait" : "landscape";
}

} // namespace kovex::scenario
