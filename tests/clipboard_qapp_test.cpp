// The clipboard layer: setting, reading and clearing the system clipboard,
// and the retry rule for a clipboard that another program holds.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>

#include "platform/Clipboard.h"

using namespace tallowmere;
using namespace tallowmere::platform;

namespace {

QClipboard& Clip() { return *QGuiApplication::clipboard(); }

TEST(Clipboard, ClearEmptiesIt) {
  Clip().setText(QStringLiteral("old"));
  ClipboardClear();
  const QMimeData* held = Clip().mimeData();
  EXPECT_TRUE(!held || held->formats().isEmpty());
}

TEST(Clipboard, SetTextPlain) {
  EXPECT_TRUE(ClipboardSetText(QStringLiteral("plain ü")));
  EXPECT_EQ(Clip().text(), QStringLiteral("plain ü"));
  EXPECT_TRUE(ClipboardSetText(QString()));
  EXPECT_EQ(Clip().text(), QString()) << "the empty text replaces what was there";
}

// What a paste reads: the plain text, whoever put it there, or nothing.
TEST(Clipboard, ReadsPlainTextOnly) {
  const struct {
    const char* name;
    std::function<void()> put;
    bool hasText;
    QString text;
  } rows[] = {
      {"a column", [] { Clip().setText(QStringLiteral("Weight\r\n61.5\r\n")); }, true,
       QStringLiteral("Weight\r\n61.5\r\n")},
      {"cells beside an image",
       [] {
         auto* data = new QMimeData;
         data->setText(QStringLiteral("1\t2"));
         data->setData(QStringLiteral("image/png"), "\x89PNG");
         Clip().setMimeData(data);
       },
       true, QStringLiteral("1\t2")},
      {"an image only",
       [] {
         auto* data = new QMimeData;
         data->setData(QStringLiteral("image/png"), "\x89PNG");
         Clip().setMimeData(data);
       },
       false, QString()},
      {"nothing", [] { ClipboardClear(); }, false, QString()},
  };
  for (const auto& row : rows) {
    row.put();
    EXPECT_EQ(ClipboardHasText(), row.hasText) << row.name;
    EXPECT_EQ(ClipboardText(), row.text) << row.name;
    // An empty clipboard, or one without text, was read: it is not unreadable.
    EXPECT_EQ(ReadClipboardText(), std::optional<QString>(row.text)) << row.name;
  }
}

struct RetryCase {
  const char* name;
  int succeedAt;  // the attempt that succeeds; 0: none does
  bool throws;    // failing attempts throw instead of answering false
  bool result;
  int attempts;
};

class RetryRule : public ::testing::TestWithParam<RetryCase> {};

TEST_P(RetryRule, TriesUpToAThousandTimes) {
  const RetryCase& c = GetParam();
  int made = 0;
  const bool result = RetryClipboardAttempt([&] {
    ++made;
    if (made == c.succeedAt) return true;
    if (c.throws) throw std::runtime_error("clipboard busy");
    return false;
  });
  EXPECT_EQ(result, c.result);
  EXPECT_EQ(made, c.attempts);
}

INSTANTIATE_TEST_SUITE_P(Attempts, RetryRule,
                         ::testing::Values(RetryCase{"FirstTime", 1, false, true, 1},
                                           RetryCase{"SecondTime", 2, false, true, 2},
                                           RetryCase{"LastChance", 1000, false, true, 1000},
                                           RetryCase{"TooLate", 1001, false, false, 1000},
                                           RetryCase{"Never", 0, false, false, 1000},
                                           RetryCase{"ThrowingAttemptsCountAsFailures", 0, true, false, 1000},
                                           RetryCase{"ThrowsThenSucceeds", 3, true, true, 3}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
