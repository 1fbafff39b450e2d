#include "support/LocaleNames.h"
#include "app/StartUp.h"

#include <gtest/gtest.h>

using namespace kovex;

TEST(LocaleNames, TheLanguagesOwnNameGuessesTheHelpLanguage) {
    EXPECT_EQ(nativeLanguageNameOf(QLocale("nl_BE")), "Nederlands");
    EXPECT_EQ(nativeLanguageNameOf(QLocale("fr_BE")), "français");
    EXPECT_EQ(nativeLanguageNameOf(QLocale("de_BE")), "Deutsch");
    EXPECT_EQ(helpLanguageFromNativeName(nativeLanguageNameOf(QLocale("nl_BE"))), 1);
    EXPECT_EQ(helpLanguageFromNativeName(nativeLanguageNameOf(QLocale("fr_CA"))), 0);
    EXPECT_EQ(helpLanguageFromNativeName(nativeLanguageNameOf(QLocale("de_AT"))), 2);
    EXPECT_EQ(helpLanguageFromNativeName(nativeLanguageNameOf(QLocale("en_GB"))), 3);
    EXPECT_EQ(helpLanguageFromNativeName(nativeLanguageNameOf(QLocale::c())), 3);
}

TEST(LocaleNames, OnlyTheFirstFourLettersCount) {
    EXPECT_EQ(helpLanguageFromNativeName("Français"), 0);
    EXPECT_EQ(helpLanguageFromNativeName("FRANglais"), 0);
    EXPECT_EQ(helpLanguageFromNativeName("Fra"), 3);
    EXPECT_EQ(helpLanguageFromNativeName("nederlands"), 1);
    EXPECT_EQ(helpLanguageFromNativeName("Vlaams"), 3);
    EXPECT_EQ(helpLanguageFromNativeName(""), 3);
}
