// The edge colour of a control's parts against its background: it differs
// enough from the background under light and dark themes, and no more than
// it must where the text colour is far stronger.
#include <gtest/gtest.h>

#include <QColor>

#include "platform/ReadableColours.h"

using namespace tallowmere::platform;

namespace {

TEST(ReadableEdge, DiffersEnoughFromItsBackground) {
  struct Row {
    const char* name;
    QColor background, text;
  };
  const Row rows[] = {
      {"a dark theme's list (Adwaita dark)", QColor(36, 36, 36), QColor(238, 238, 236)},
      {"a light theme's list", Qt::white, Qt::black},
      {"a mid-grey base with grey text", QColor(128, 128, 128), QColor(150, 150, 150)},
      {"a text the colour of its base", QColor(40, 40, 40), QColor(40, 40, 40)},
      {"a dark blue base with yellow text", QColor(0, 0, 96), QColor(255, 255, 0)},
  };
  for (const Row& row : rows) {
    const QColor edge = ReadableEdge(row.background, row.text);
    EXPECT_GE(ContrastRatio(edge, row.background), kReadableEdgeContrast) << row.name;
    // Never more than the text itself differs, where that is enough.
    if (ContrastRatio(row.text, row.background) >= kReadableEdgeContrast) {
      EXPECT_LE(ContrastRatio(edge, row.background), ContrastRatio(row.text, row.background) + 1e-9) << row.name;
    }
  }
}

TEST(ReadableEdge, IsSofterThanAStrongText) {
  // Black on white differs 21:1; an edge needs 3:1, so it is a grey.
  const QColor edge = ReadableEdge(Qt::white, Qt::black);
  EXPECT_LT(ContrastRatio(edge, Qt::white), 6.0);
  EXPECT_GT(edge.red(), 0);
}

}  // namespace
