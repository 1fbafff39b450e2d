#pragma once

#include <QLocale>
#include <QString>

namespace kovex {

// The native name of a locale's language, not of its language-and-country
// variant: Qt names nl_BE "Vlaams", yet the help language is guessed from
// the language's own name, "Nederlands".
inline QString nativeLanguageNameOf(const QLocale& locale) {
    return QLocale(locale.language()).nativeLanguageName();
}

} // namespace kovex
