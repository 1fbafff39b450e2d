#pragma once

#include <QString>

namespace kovex {

// Upper-cases a to z only: callsigns and postal codes are compared and
// stored in ASCII capitals, and accented letters keep their case.
inline QString UpperCaseAscii(const QString& text) {
    QString result = text;
    for (QChar& c : result)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 'a' + 'A');
    return result;
}

} // namespace kovex
