// Check boxes painted by the style MakeTickBoxesReadable gives: ticked or
// not, in a list or on their own, their edge differs from the box's
// background at least 3:1 under a dark palette and a light one, where
// Fusion's own edge under a dark palette all but vanishes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTableView>

#include "platform/ReadableColours.h"
#include "platform/TickBoxStyle.h"

using namespace tallowmere::platform;

namespace {

// GNOME's dark Adwaita as the GTK platform theme hands it to Qt, in the
// roles a check box is painted with.
QPalette DarkPalette() {
  QPalette palette;
  palette.setColor(QPalette::Window, QColor(53, 53, 53));
  palette.setColor(QPalette::WindowText, QColor(238, 238, 236));
  palette.setColor(QPalette::Base, QColor(36, 36, 36));
  palette.setColor(QPalette::Text, QColor(238, 238, 236));
  palette.setColor(QPalette::Button, QColor(53, 53, 53));
  palette.setColor(QPalette::ButtonText, QColor(238, 238, 236));
  return palette;
}

QPalette LightPalette() {
  QPalette palette;
  palette.setColor(QPalette::Window, QColor(239, 239, 239));
  palette.setColor(QPalette::WindowText, Qt::black);
  palette.setColor(QPalette::Base, Qt::white);
  palette.setColor(QPalette::Text, Qt::black);
  return palette;
}

// The strongest contrast of any painted pixel against the box's background.
double StrongestContrast(const QImage& image, const QColor& background) {
  double strongest = 1;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      strongest = std::max(strongest, ContrastRatio(image.pixelColor(x, y), background));
  return strongest;
}

TEST(TickBoxStyle, EveryBoxShowsOnItsBackground) {
  struct Row {
    const char* name;
    QPalette palette;
    QStyle::PrimitiveElement element;
    QStyle::StateFlag tick;
    qreal scale;
  };
  const Row rows[] = {
      {"dark, a list's unticked box", DarkPalette(), QStyle::PE_IndicatorItemViewItemCheck, QStyle::State_Off, 1},
      {"dark, a list's ticked box", DarkPalette(), QStyle::PE_IndicatorItemViewItemCheck, QStyle::State_On, 1},
      {"dark, an unticked check box", DarkPalette(), QStyle::PE_IndicatorCheckBox, QStyle::State_Off, 1},
      {"dark, unticked, at twice the scale", DarkPalette(), QStyle::PE_IndicatorItemViewItemCheck, QStyle::State_Off,
       2},
      {"light, a list's unticked box", LightPalette(), QStyle::PE_IndicatorItemViewItemCheck, QStyle::State_Off, 1},
      {"light, an unticked check box", LightPalette(), QStyle::PE_IndicatorCheckBox, QStyle::State_Off, 1},
  };
  QTableView view;
  // The style GNOME's themes get in Qt, whatever this platform's default.
  view.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  MakeTickBoxesReadable(view);
  for (const Row& row : rows) {
    const QColor background = row.palette.color(QPalette::Base);
    QImage image(QSize(21, 21) * row.scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(row.scale);
    image.fill(background);
    QStyleOptionViewItem option;
    option.palette = row.palette;
    option.rect = QRect(4, 4, 13, 13);
    option.state = QStyle::State_Enabled | row.tick;
    {
      QPainter painter(&image);
      view.style()->drawPrimitive(row.element, &option, &painter, &view);
    }
    EXPECT_GE(StrongestContrast(image, background), kReadableEdgeContrast) << row.name;
  }
}

}  // namespace
