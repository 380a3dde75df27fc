#include "app/Mnemonics.h"

#include <gtest/gtest.h>

#include <QString>

namespace {

using tallowmere::app::ChooseMnemonic;
using tallowmere::app::MarkMnemonic;
using tallowmere::app::ShownCaption;

TEST(ShownCaption, TakesOutTheMarksButKeepsLiteralAmpersands) {
  const struct {
    const char* marked;
    const char* shown;
  } cases[] = {
      {"&File", "File"},        {"Save &As", "Save As"},   {"Salt && Pepper", "Salt & Pepper"},
      {"&&&Both", "&Both"},     {"Trailing&", "Trailing"}, {"", ""},
      {"No marks", "No marks"}, {"A&&&&B", "A&&B"},
  };
  for (const auto& c : cases) EXPECT_EQ(ShownCaption(c.marked), QString::fromUtf8(c.shown)) << c.marked;
}

TEST(ChooseMnemonic, PrefersAWordsFirstLetterNotTaken) {
  const struct {
    const char* caption;
    const char* taken;
    qsizetype at;
    const char* takenAfter;
  } cases[] = {
      {"Clear List", "", 0, "C"},
      {"Clear List", "C", 6, "CL"},             // the next word's first letter
      {"Clear List", "CL", 2, "CLE"},           // then any letter: l is L, taken
      {"Show all decimals", "SAD", 1, "SADH"},  // no free first letter
      {"Load Sample/Example Numbers", "L", 5, "LS"},
      {"Décimales", "D", 1, "DÉ"},  // a translated caption's own letters
      {"Anzahl der Einträge", "A", 7, "AD"},
      {"10 / 20", "1", 5, "12"},   // digits serve too
      {"ab", "AB", -1, "AB"},      // nothing left: no mark
      {"分析を開始", "", -1, ""},  // no letter has a key of its own
      {"結果を Excel ファイルに保存", "", 4, "E"},
      {"Сохранить", "", 0, "С"},
      {"", "", -1, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.caption);
    QString taken = QString::fromUtf8(c.taken);
    EXPECT_EQ(ChooseMnemonic(QString::fromUtf8(c.caption), taken), c.at);
    EXPECT_EQ(taken, QString::fromUtf8(c.takenAfter));
  }
}

TEST(MarkMnemonic, ShowsTheSameTextWithOneMark) {
  const struct {
    const char* caption;
    qsizetype at;
    const char* marked;
  } cases[] = {
      {"Clear List", 6, "Clear &List"},
      {"Salt & Pepper", 7, "Salt && &Pepper"},
      {"Salt & Pepper", -1, "Salt && Pepper"},
      {"Start", 0, "&Start"},
  };
  for (const auto& c : cases) {
    const QString marked = MarkMnemonic(QString::fromUtf8(c.caption), c.at);
    EXPECT_EQ(marked, QString::fromUtf8(c.marked));
    EXPECT_EQ(ShownCaption(marked), QString::fromUtf8(c.caption));
  }
}

}  // namespace
