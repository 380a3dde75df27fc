#pragma once
// The language of the program's texts, chosen from the environment as
// gettext chooses it, and the translations that speak it: ours and Qt's own
// (the buttons of Qt's dialogs). Numbers are no part of this: they follow the
// locale's separators as before, whatever language the words are in.
#include <QString>
#include <QStringList>
#include <QTranslator>
#include <cstddef>

namespace tallowmere::platform {

// The languages we ship a translation for, as the files name them
// (tallowmere_de.qm, tallowmere_pt_BR.qm).
QStringList ShippedLanguages();

// The locale variables that decide the language of messages.
struct MessageLocale {
  QString language;    // LANGUAGE: a colon list, such as "de:fr"
  QString lcAll;       // LC_ALL
  QString lcMessages;  // LC_MESSAGES
  QString lang;        // LANG
};
MessageLocale MessageLocaleFromEnvironment();

// The first language of `locale` that one of `shipped` serves, or the empty
// text for English (the source), which wins when it comes first or nothing
// matches. LANGUAGE counts only when the messages locale is not C or POSIX.
// A territory falls back to its plain language ("de_AT" to "de") and a plain
// language to a territory we ship ("pt" to "pt_BR").
QString ChooseLanguage(const MessageLocale& locale, const QStringList& shipped);

// Where our .qm files are: beside the executable (the build tree) or in the
// installed data folder.
QString TranslationsFolder();

class Translations {
 public:
  // Loads ours for `language` from `folder` and Qt's own from Qt's
  // translations folder; false when ours is missing (the texts stay English).
  bool Load(const QString& language, const QString& folder);
  // Puts both into the application's lookup (tr and translate).
  void Install();
  // Our text in the loaded language, or `source` itself.
  QString Translate(const char* context, const char* source, int n = -1) const;

 private:
  QTranslator ours_;
  QTranslator qt_;
  bool oursLoaded_ = false;
  bool qtLoaded_ = false;
};

// A text that names a count, %1 in it the count as `count` (the caller's own
// number text, such as "1,204"). `many` is the English text for every count
// but one and the source of the translation, whose plural form `n` picks
// (mark it with QT_TRANSLATE_N_NOOP); `one` is the English text for one.
QString CountText(const char* context, const char* one, const char* many, std::size_t n, const QString& count);

// Chooses the language from the environment, loads it and makes the texts of
// the layers without Qt use it too (core::Translated). `installIntoApplication`
// for a program with a QCoreApplication. The object must outlive every text.
void StartTranslations(Translations& translations, bool installIntoApplication);

}  // namespace tallowmere::platform
