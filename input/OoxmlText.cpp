#include "input/OoxmlText.h"

#include "input/XmlPart.h"

namespace tallowmere::input {

namespace {

int HexDigit(QChar c) {
  const char16_t u = c.unicode();
  if (u >= u'0' && u <= u'9') return u - u'0';
  if (u >= u'a' && u <= u'f') return u - u'a' + 10;
  if (u >= u'A' && u <= u'F') return u - u'A' + 10;
  return -1;
}

// The code unit of an escape "_xHHHH_" at the start of `text`, or -1.
int Escaped(QStringView text) {
  if (text.size() < 7 || text[0] != u'_' || text[1] != u'x' || text[6] != u'_') return -1;
  int unit = 0;
  for (int i = 2; i < 6; ++i) {
    const int d = HexDigit(text[i]);
    if (d < 0) return -1;
    unit = unit * 16 + d;
  }
  return unit;
}

}  // namespace

void AppendOoxmlText(std::string& out, QStringView text, std::size_t max) {
  if (out.size() >= max) return;
  QString decoded;
  if (text.contains(u"_x")) {
    decoded.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
      const int unit = Escaped(text.mid(i));
      if (unit < 0) {
        decoded += text[i];
      } else {
        decoded += QChar(static_cast<char16_t>(unit));
        i += 6;
      }
    }
  }
  const QStringView view = decoded.isNull() ? text : QStringView(decoded);
  AppendUtf8(out, view);
  if (out.size() > max) out.resize(max);
}

}  // namespace tallowmere::input
