#pragma once

#include "support/AsciiText.h"

#include <QLocale>
#include <QString>

namespace kovex {

// The native name of a locale's language, not of its language-and-country
// variant: Qt names nl_BE "Vlaams", yet the help language is guessed from
// the language's own name, "Nederlands".
inline QString nativeLanguageNameOf(const QLocale& locale) {
    return QLocale(locale.language()).nativeLanguageName();
}

// The help language guessed from the user's language: its native name's
// first four letters, upper-cased; 0 French, 1 Dutch, 2 German, 3 English.
inline int helpLanguageFromNativeName(const QString& nativeName) {
    const QString prefix = UpperCaseAscii(nativeName.left(4));
    if (prefix == QLatin1String("FRAN"))
        return 0;
    if (prefix == QLatin1String("NEDE"))
        return 1;
    if (prefix == QLatin1String("DEUT"))
        return 2;
    return 3;
}

} // namespace kovex
