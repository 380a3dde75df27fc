// The language of the texts chosen from the locale variables, as gettext
// chooses the language of messages.
#include "platform/Language.h"

#include <gtest/gtest.h>

using namespace tallowmere::platform;

namespace {

struct LanguageCase {
  const char* name;
  MessageLocale locale;
  const char* chosen;  // "" for English
};

class ChosenLanguage : public ::testing::TestWithParam<LanguageCase> {};

TEST_P(ChosenLanguage, FromTheLocaleVariables) {
  const LanguageCase& c = GetParam();
  EXPECT_EQ(ChooseLanguage(c.locale, ShippedLanguages()).toStdString(), c.chosen);
}

// LANGUAGE, LC_ALL, LC_MESSAGES, LANG.
MessageLocale Locale(const char* language, const char* lcAll, const char* lcMessages, const char* lang) {
  return {QString::fromUtf8(language), QString::fromUtf8(lcAll), QString::fromUtf8(lcMessages),
          QString::fromUtf8(lang)};
}
MessageLocale Lang(const char* lang, const char* language = "") { return Locale(language, "", "", lang); }

const LanguageCase kCases[] = {
    {"GermanLang", Lang("de_DE.UTF-8"), "de"},
    {"AustrianFallsBackToGerman", Lang("de_AT.UTF-8"), "de"},
    {"ModifierIgnored", Lang("de_DE.UTF-8@euro"), "de"},
    {"EnglishFirstInLanguage", Lang("de_DE.UTF-8", "en"), ""},
    {"EnglishTerritoryFirst", Lang("de_DE.UTF-8", "en_GB:de"), ""},
    {"LanguageListOrder", Lang("de_DE.UTF-8", "fr:de"), "fr"},
    {"UnknownSkippedInList", Lang("de_DE.UTF-8", "sv:it"), "it"},
    {"UnknownAllTheWay", Lang("sv_SE.UTF-8", "fi"), ""},
    {"CLocaleIgnoresLanguage", Lang("C", "de"), ""},
    {"POSIXIgnoresLanguage", Lang("POSIX", "de"), ""},
    {"CUtf8IgnoresLanguage", Lang("C.UTF-8", "fr"), ""},
    {"NoLocaleAtAll", Lang("", "de"), ""},
    {"BrazilianPortuguese", Lang("pt_BR.UTF-8"), "pt_BR"},
    {"PlainPortugueseToBrazil", Lang("de_DE.UTF-8", "pt"), "pt_BR"},
    {"PortugalIsNotBrazil", Lang("pt_PT.UTF-8"), ""},
    {"Japanese", Lang("ja_JP.UTF-8"), "ja"},
    {"LcAllBeforeLang", Locale("", "pl_PL.UTF-8", "nl_NL.UTF-8", "de_DE.UTF-8"), "pl"},
    {"LcMessagesBeforeLang", Locale("", "", "nl_NL.UTF-8", "de_DE.UTF-8"), "nl"},
    {"LcAllCIgnoresLanguage", Locale("de", "C", "", "de_DE.UTF-8"), ""},
    {"EmptyPiecesOfTheList", Lang("es_ES.UTF-8", "::fr:"), "fr"},
};

INSTANTIATE_TEST_SUITE_P(Environment, ChosenLanguage, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ChosenLanguage, OnlyShippedOnesAreChosen) {
  EXPECT_EQ(ChooseLanguage(Lang("pt_PT.UTF-8"), {"pt", "pt_BR"}).toStdString(), "pt");
  EXPECT_EQ(ChooseLanguage(Lang("de_DE.UTF-8"), {}).toStdString(), "");
}

}  // namespace
