#include "app/Mnemonics.h"

#include <QAbstractButton>
#include <QLabel>
#include <QWidget>

namespace tallowmere::app {

QString ShownCaption(const QString& marked) {
  QString shown;
  shown.reserve(marked.size());
  for (qsizetype i = 0; i < marked.size(); ++i) {
    if (marked[i] == QLatin1Char('&')) {
      if (i + 1 >= marked.size()) break;  // a trailing mark shows nothing
      ++i;
    }
    shown += marked[i];
  }
  return shown;
}

namespace {

// A key the keyboard types with Alt: the letters of the alphabets keyboards
// carry, and digits. An ideograph or a kana has no key of its own (it comes
// through an input method), so it is never a mnemonic.
bool OnAKey(QChar c) {
  if (!c.isLetterOrNumber()) return false;
  if (c.unicode() < 0x80) return true;
  const QChar::Script script = c.script();
  return script == QChar::Script_Latin || script == QChar::Script_Greek || script == QChar::Script_Cyrillic;
}

}  // namespace

qsizetype ChooseMnemonic(const QString& caption, QString& taken) {
  const auto free = [&](qsizetype i) { return OnAKey(caption[i]) && !taken.contains(caption[i].toUpper()); };
  qsizetype chosen = -1;
  for (qsizetype i = 0; i < caption.size() && chosen < 0; ++i)
    if ((i == 0 || !caption[i - 1].isLetterOrNumber()) && free(i)) chosen = i;
  for (qsizetype i = 0; i < caption.size() && chosen < 0; ++i)
    if (free(i)) chosen = i;
  if (chosen >= 0) taken += caption[chosen].toUpper();
  return chosen;
}

QString MarkMnemonic(const QString& caption, qsizetype at) {
  QString marked;
  marked.reserve(caption.size() + 4);
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (i == at) marked += QLatin1Char('&');
    marked += caption[i];
    if (caption[i] == QLatin1Char('&')) marked += QLatin1Char('&');
  }
  return marked;
}

void AssignMnemonics(const std::vector<QWidget*>& controls, QString taken) {
  taken = taken.toUpper();
  for (QWidget* control : controls) {
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
      const QString shown = ShownCaption(button->text());
      button->setText(MarkMnemonic(shown, ChooseMnemonic(shown, taken)));
    } else if (auto* label = qobject_cast<QLabel*>(control); label && label->buddy()) {
      const QString shown = ShownCaption(label->text());
      label->setText(MarkMnemonic(shown, ChooseMnemonic(shown, taken)));
    }
  }
}

}  // namespace tallowmere::app
