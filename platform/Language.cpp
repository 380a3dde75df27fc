#include "platform/Language.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <climits>
#include <string>

#include "core/Translation.h"
#include "platform/ProgramFolder.h"

namespace tallowmere::platform {

namespace {

// "de_DE.UTF-8@euro" -> "de_DE".
QString WithoutCodesetAndModifier(QString name) {
  const qsizetype cut = name.indexOf(QRegularExpression(QStringLiteral("[.@]")));
  if (cut >= 0) name.truncate(cut);
  return name;
}

bool IsPlainCLocale(const QString& name) {
  return name.isEmpty() || name == QLatin1String("C") || name == QLatin1String("POSIX") ||
         name.startsWith(QLatin1String("C."));
}

// The shipped language `wanted` is served by: itself, its plain language, or
// for a plain language the first of its territories we ship. Empty for none.
QString ServedBy(const QString& wanted, const QStringList& shipped) {
  if (shipped.contains(wanted)) return wanted;
  const QString plain = wanted.section(QLatin1Char('_'), 0, 0);
  if (shipped.contains(plain)) return plain;
  if (plain != wanted) return {};
  for (const QString& s : shipped)
    if (s.startsWith(plain + QLatin1Char('_'))) return s;
  return {};
}

}  // namespace

QStringList ShippedLanguages() {
  return {QStringLiteral("de"),    QStringLiteral("fr"), QStringLiteral("es"), QStringLiteral("it"),
          QStringLiteral("pt_BR"), QStringLiteral("nl"), QStringLiteral("pl"), QStringLiteral("ja")};
}

MessageLocale MessageLocaleFromEnvironment() {
  return {.language = qEnvironmentVariable("LANGUAGE"),
          .lcAll = qEnvironmentVariable("LC_ALL"),
          .lcMessages = qEnvironmentVariable("LC_MESSAGES"),
          .lang = qEnvironmentVariable("LANG")};
}

QString ChooseLanguage(const MessageLocale& locale, const QStringList& shipped) {
  QString messages = locale.lcAll;
  if (messages.isEmpty()) messages = locale.lcMessages;
  if (messages.isEmpty()) messages = locale.lang;
  if (IsPlainCLocale(messages)) return {};
  QStringList wanted = locale.language.split(QLatin1Char(':'), Qt::SkipEmptyParts);
  wanted.append(messages);
  for (const QString& name : wanted) {
    const QString bare = WithoutCodesetAndModifier(name);
    if (bare == QLatin1String("en") || bare.startsWith(QLatin1String("en_"))) return {};
    const QString served = ServedBy(bare, shipped);
    if (!served.isEmpty()) return served;
  }
  return {};
}

namespace {
// The analyser has no application object to ask.
QString ExecutableFolder() {
  if (QCoreApplication::instance()) return QCoreApplication::applicationDirPath();
  return QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath()).absolutePath();
}
}  // namespace

QString TranslationsFolder() { return ProgramFolder(ExecutableFolder()).File(QStringLiteral("/translations")); }

bool Translations::Load(const QString& language, const QString& folder) {
  if (language.isEmpty()) return false;
  oursLoaded_ = ours_.load(QStringLiteral("tallowmere_") + language, folder);
  qtLoaded_ = qt_.load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  return oursLoaded_;
}

void Translations::Install() {
  if (oursLoaded_) QCoreApplication::installTranslator(&ours_);
  if (qtLoaded_) QCoreApplication::installTranslator(&qt_);
}

QString Translations::Translate(const char* context, const char* source, int n) const {
  if (oursLoaded_) {
    QString text = ours_.translate(context, source, nullptr, n);
    if (!text.isEmpty()) return text;
  }
  return QString::fromUtf8(source);
}

QString CountText(const char* context, const char* one, const char* many, std::size_t n, const QString& count) {
  const int forms = n > static_cast<std::size_t>(INT_MAX) ? INT_MAX : static_cast<int>(n);
  QString text = QCoreApplication::translate(context, many, nullptr, forms);
  // Untranslated, the English source serves for the plural only.
  if (n == 1 && text == QString::fromUtf8(many)) text = QString::fromUtf8(one);
  return text.arg(count);
}

namespace {

// The lookup the layers without Qt use.
const Translations* active = nullptr;

std::string CoreLookup(const char* context, const char* source, int n) {
  const QString text = active->Translate(context, source, n);
  // Untranslated: the caller's own English.
  if (text == QString::fromUtf8(source)) return {};
  return text.toStdString();
}

}  // namespace

void StartTranslations(Translations& translations, bool installIntoApplication) {
  const QString language = ChooseLanguage(MessageLocaleFromEnvironment(), ShippedLanguages());
  if (!translations.Load(language, TranslationsFolder())) return;
  if (installIntoApplication) translations.Install();
  active = &translations;
  core::InstallTranslation(&CoreLookup);
}

}  // namespace tallowmere::platform
