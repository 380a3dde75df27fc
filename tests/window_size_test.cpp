#include <gtest/gtest.h>

#include <optional>

#include "app/WindowSize.h"

namespace {

using tallowmere::app::RememberedWindowSize;
using tallowmere::app::WindowSizeText;

TEST(RememberedWindowSize, WithinTheScreenAndNoSmallerThanTheContent) {
  const QSize least(536, 660);
  const QSize room(1280, 1000);
  const struct {
    const char* name;
    const char* text;
    std::optional<QSize> size;
  } cases[] = {
      {"Plain", "800x900", QSize(800, 900)},
      {"SpacesAndLineEndAround", " 800x900\n", QSize(800, 900)},
      {"TheLeastSize", "536x660", least},
      {"SmallerThanTheContent", "100x100", least},
      {"LargerThanTheScreen", "5000x5000", room},
      {"TooWideAndTooLow", "5000x100", QSize(1280, 660)},
      {"Empty", "", std::nullopt},
      {"OneNumber", "800", std::nullopt},
      {"NoHeight", "800x", std::nullopt},
      {"NoWidth", "x900", std::nullopt},
      {"CapitalX", "800X900", std::nullopt},
      {"Negative", "-800x900", std::nullopt},
      {"ZeroWidth", "0x900", std::nullopt},
      {"ThreeNumbers", "800x900x1", std::nullopt},
      {"Exponent", "8e2x900", std::nullopt},
      {"TooLongToBeASize", "99999999999x900", std::nullopt},
      {"QtsOwnSizeText", "@Size(800 900)", std::nullopt},
  };
  for (const auto& c : cases)
    EXPECT_EQ(RememberedWindowSize(QString::fromLatin1(c.text), least, room), c.size) << c.name;
  // A screen smaller than the content: the content wins.
  EXPECT_EQ(RememberedWindowSize("900x900", least, QSize(500, 500)), least);
}

TEST(RememberedWindowSize, ReadsWhatItWrites) {
  for (const QSize size : {QSize(536, 660), QSize(1280, 1000), QSize(999, 777)}) {
    EXPECT_EQ(RememberedWindowSize(WindowSizeText(size), QSize(536, 660), QSize(1280, 1000)), size);
  }
}

}  // namespace
