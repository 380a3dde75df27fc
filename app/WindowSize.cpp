#include "app/WindowSize.h"

#include <QRegularExpression>
#include <algorithm>

namespace tallowmere::app {

QString WindowSizeText(QSize size) { return QStringLiteral("%1x%2").arg(size.width()).arg(size.height()); }

std::optional<QSize> RememberedWindowSize(const QString& text, QSize minimum, QSize room) {
  static const QRegularExpression kSize(QStringLiteral("^([0-9]{1,6})x([0-9]{1,6})$"));
  const QRegularExpressionMatch match = kSize.match(text.trimmed());
  if (!match.hasMatch()) return std::nullopt;
  const int width = match.captured(1).toInt();
  const int height = match.captured(2).toInt();
  if (width <= 0 || height <= 0) return std::nullopt;
  // The screen's room first, the minimum last: a window smaller than its
  // content would hide controls.
  return QSize(std::max(minimum.width(), std::min(width, room.width())),
               std::max(minimum.height(), std::min(height, room.height())));
}

}  // namespace tallowmere::app
