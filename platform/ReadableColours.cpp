#include "platform/ReadableColours.h"

#include <QGroupBox>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace tallowmere::platform {

namespace {

double Linear(double channel) {
  return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& colour) {
  const QColor c = colour.toRgb();
  return 0.2126 * Linear(c.redF()) + 0.7152 * Linear(c.greenF()) + 0.0722 * Linear(c.blueF());
}

// What the user reads: the active window's and the inactive one's colours.
// Disabled texts are meant to recede and are left to the theme.
constexpr QPalette::ColorGroup kReadGroups[] = {QPalette::Active, QPalette::Inactive};

struct TextPair {
  QPalette::ColorRole background, text;
};
constexpr TextPair kTextPairs[] = {
    {QPalette::Window, QPalette::WindowText},
    {QPalette::Base, QPalette::Text},
    {QPalette::AlternateBase, QPalette::Text},
    {QPalette::Button, QPalette::ButtonText},
};

bool TextsRead(const QPalette& palette) {
  for (const QPalette::ColorGroup group : kReadGroups) {
    // The window, the frames and the captions on them are white (see
    // docs/compatibility.md, The window's geometry).
    if (ContrastRatio(palette.color(group, QPalette::WindowText), Qt::white) < kReadableContrast) return false;
    for (const TextPair& pair : kTextPairs) {
      if (ContrastRatio(palette.color(group, pair.background), palette.color(group, pair.text)) < kReadableContrast)
        return false;
    }
  }
  return true;
}

// Fusion's light colours: what Qt paints with when no theme gives a palette,
// so a dark desktop sees the window as a light one does. (The style's
// standard palette is no help: it follows the desktop's.)
QPalette LightPalette() {
  const QColor face(239, 239, 239);
  const QColor dark = face.darker(150);
  const QColor shadow = dark.darker(135);
  QPalette palette(Qt::black, face, Qt::white, dark, face.darker(130), Qt::black, Qt::white, Qt::white, face);
  QColor placeholder(Qt::black);
  placeholder.setAlpha(128);
  const struct {
    QPalette::ColorRole role;
    QColor colour;
  } all[] = {
      {QPalette::Midlight, face.darker(130).lighter(110)},
      {QPalette::Shadow, shadow},
      {QPalette::Highlight, QColor(48, 140, 198)},
      {QPalette::HighlightedText, Qt::white},
      {QPalette::Link, Qt::blue},
      {QPalette::LinkVisited, Qt::magenta},
      {QPalette::AlternateBase, QColor(247, 247, 247)},
      {QPalette::ToolTipBase, QColor(255, 255, 220)},
      {QPalette::ToolTipText, Qt::black},
      {QPalette::PlaceholderText, placeholder},
  };
  for (const auto& c : all) palette.setColor(c.role, c.colour);
  const QColor disabledText(190, 190, 190);
  const struct {
    QPalette::ColorRole role;
    QColor colour;
  } disabled[] = {
      {QPalette::WindowText, disabledText},
      {QPalette::Text, disabledText},
      {QPalette::ButtonText, disabledText},
      {QPalette::Base, face},
      {QPalette::Dark, QColor(209, 209, 209).darker(110)},
      {QPalette::Shadow, shadow.lighter(150)},
      {QPalette::Highlight, QColor(145, 145, 145)},
  };
  for (const auto& c : disabled) palette.setColor(QPalette::Disabled, c.role, c.colour);
  return palette;
}

// Many themes pick a selection colour that their white selected text reads on
// at about 3.7:1; the hue stays, only deeper (or paler under dark text). Some
// room is left above the floor: a style may lay a faint focus tint over the
// current row, text and all (Fusion's takes about a tenth off).
constexpr double kSelectionContrast = kReadableContrast * 1.15;

void DeepenSelection(QPalette& palette) {
  for (const QPalette::ColorGroup group : kReadGroups) {
    QColor selection = palette.color(group, QPalette::Highlight);
    const QColor text = palette.color(group, QPalette::HighlightedText);
    const bool darker = Luminance(text) > Luminance(selection);
    for (int i = 0; i < 40 && ContrastRatio(selection, text) < kSelectionContrast; ++i)
      selection = darker ? selection.darker(105) : selection.lighter(105);
    palette.setColor(group, QPalette::Highlight, selection);
    if (ContrastRatio(selection, text) < kSelectionContrast)
      palette.setColor(group, QPalette::HighlightedText, TextColourOn(selection));
  }
}

void HoldEveryRole(QPalette& palette) {
  for (int g = 0; g < QPalette::NColorGroups; ++g) {
    for (int r = 0; r < QPalette::NColorRoles; ++r) {
      if (r == QPalette::NoRole) continue;
      const auto group = static_cast<QPalette::ColorGroup>(g);
      const auto role = static_cast<QPalette::ColorRole>(r);
      palette.setBrush(group, role, palette.brush(group, role));
    }
  }
}

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
  const double la = Luminance(a);
  const double lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor TextColourOn(const QColor& background) {
  // Where black and white give the same ratio.
  return Luminance(background) > 0.1791 ? QColor(Qt::black) : QColor(Qt::white);
}

QColor ReadableEdge(const QColor& background, const QColor& text) {
  const QColor from = background.toRgb();
  QColor to = text.toRgb();
  if (ContrastRatio(from, to) < kReadableEdgeContrast) to = TextColourOn(from);
  // A soft edge where it is enough, the text's full strength where it is not.
  constexpr int kSteps = 20;
  for (int step = 1; step < kSteps; ++step) {
    const double t = static_cast<double>(step) / kSteps;
    const QColor mixed = QColor::fromRgbF(static_cast<float>(from.redF() + (to.redF() - from.redF()) * t),
                                          static_cast<float>(from.greenF() + (to.greenF() - from.greenF()) * t),
                                          static_cast<float>(from.blueF() + (to.blueF() - from.blueF()) * t));
    if (ContrastRatio(from, mixed) >= kReadableEdgeContrast) return mixed;
  }
  return to;
}

QPalette ReadablePalette(const QPalette& system) {
  QPalette palette = TextsRead(system) ? system : LightPalette();
  DeepenSelection(palette);
  HoldEveryRole(palette);
  return palette;
}

void SetControlBackground(QWidget* widget, const QColor& colour) {
  // Buttons (option buttons and check boxes among them) fill with the button
  // colour by default; these controls carry the background colour instead.
  widget->setBackgroundRole(QPalette::Window);
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, colour);
  // The text colour goes with the background: a theme's light window text
  // would vanish on the window's white.
  for (const QPalette::ColorGroup group : kReadGroups) {
    if (ContrastRatio(palette.color(group, QPalette::WindowText), colour) < kReadableContrast)
      palette.setColor(group, QPalette::WindowText, TextColourOn(colour));
  }
  widget->setPalette(palette);
  // On a frame the style may tint the panel: a control there shows the panel
  // through, rather than a patch of its own colour.
  widget->setAutoFillBackground(!qobject_cast<QGroupBox*>(widget->parentWidget()));
}

}  // namespace tallowmere::platform
