#include "platform/FontChoice.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <algorithm>
#include <utility>

namespace tallowmere::platform {

namespace {

// Faces with Arial's metrics: the layout was measured with them, so every
// caption fits its control at its own size.
constexpr const char* kArialMetricFaces[] = {"Arial", "Liberation Sans"};
// Stand-ins, most common first (Debian's default sans-serif leads).
constexpr const char* kStandIns[] = {"DejaVu Sans", "Noto Sans", "FreeSans", "Nimbus Sans"};

std::function<QStringList()>& Source() {
  static std::function<QStringList()> source;
  return source;
}

bool Has(const QStringList& installed, const char* family) {
  return installed.contains(QString::fromLatin1(family), Qt::CaseInsensitive);
}

bool AllFit(const QFont& font, const std::vector<CaptionRoom>& captions) {
  const QFontMetrics metrics(font);
  return std::all_of(captions.begin(), captions.end(),
                     [&metrics](const CaptionRoom& c) { return metrics.horizontalAdvance(c.text) <= c.room; });
}

}  // namespace

QString ChooseFontFamily(const QStringList& installed) {
  for (const char* face : kArialMetricFaces)
    if (Has(installed, face)) return QString::fromLatin1(kLayoutFontFamily);
  for (const char* face : kStandIns)
    if (Has(installed, face)) return QString::fromLatin1(face);
  return QString::fromLatin1(kLayoutFontFamily);
}

QStringList InstalledFontFamilies() { return Source() ? Source()() : QFontDatabase::families(); }

void SetInstalledFontFamilies(std::function<QStringList()> source) { Source() = std::move(source); }

qreal FittingPointSize(QFont font, const std::vector<CaptionRoom>& captions) {
  // In whole quarters, so no rounding creeps in on the way down.
  for (int quarters = static_cast<int>(font.pointSizeF() * 4); quarters > kSmallestCaptionPoints * 4; --quarters) {
    font.setPointSizeF(quarters / 4.0);
    if (AllFit(font, captions)) return font.pointSizeF();
  }
  return kSmallestCaptionPoints;
}

}  // namespace tallowmere::platform
