#include "tests/support/FakeDialogs.h"

std::vector<QString> FakeDialogs::Texts(Kind kind) const {
  std::vector<QString> out;
  for (const Shown& s : shown_)
    if (s.kind == kind) out.push_back(s.text);
  return out;
}

static QStringList ToList(const std::vector<QString>& v) { return QStringList(v.begin(), v.end()); }

QStringList FakeDialogs::Messages() const { return ToList(Texts(Kind::Message)); }
QStringList FakeDialogs::ErrorReports() const { return ToList(Texts(Kind::ErrorReport)); }
QStringList FakeDialogs::Prompts() const { return ToList(Texts(Kind::Input)); }

void FakeDialogs::Record(Kind kind, const QString& caption, const QString& text) {
  shown_.push_back({kind, caption, text});
  if (showHook_) {
    const Shown copy = shown_.back();  // the hook may show further dialogs
    showHook_(copy);
  }
}

void FakeDialogs::Message(const QString& text) {
  Record(Kind::Message, tallowmere::platform::ApplicationTitle(), text);
}

void FakeDialogs::ErrorReport(const QString& text) {
  Record(Kind::ErrorReport, QStringLiteral("Application Error"), text);
}

QString FakeDialogs::Input(const QString& prompt) {
  Record(Kind::Input, tallowmere::platform::ApplicationTitle(), prompt);
  if (inputs_.empty()) return QString();
  QString answer = inputs_.front();
  inputs_.pop_front();
  return answer;
}

QStringList FakeDialogs::OpenFiles(const QString& title, const QStringList& filters) {
  Record(Kind::OpenFiles, title, title);
  lastFilters_ = filters;
  if (openFiles_.empty()) return {};
  QStringList answer = openFiles_.front();
  openFiles_.pop_front();
  return answer;
}

QString FakeDialogs::SaveFile(const QString& title, const QStringList& filters) {
  Record(Kind::SaveFile, title, title);
  lastFilters_ = filters;
  if (saveFiles_.empty()) return QString();
  QString answer = saveFiles_.front();
  saveFiles_.pop_front();
  return answer;
}

bool FakeDialogs::Question(const QString& text) {
  Record(Kind::Question, tallowmere::platform::ApplicationTitle(), text);
  if (questions_.empty()) return false;
  const bool yes = questions_.front();
  questions_.pop_front();
  return yes;
}

QStringList FakeDialogs::Questions() const { return ToList(Texts(Kind::Question)); }

QString FakeDialogs::SaveFileConfirmed(const QString& title, const QStringList& filters, QString& chosenFilter) {
  chosenFilter = filters.value(0);
  if (!chosenFilters_.empty()) {
    chosenFilter = chosenFilters_.front();
    chosenFilters_.pop_front();
  }
  return SaveFile(title, filters);
}
