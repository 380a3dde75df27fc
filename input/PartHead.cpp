#include "input/PartHead.h"

#include <QString>

#include "input/XmlPart.h"

namespace tallowmere::input {

namespace {

bool IsUtf8Name(QStringView encoding) {
  return encoding.isEmpty() || encoding.compare(u"UTF-8", Qt::CaseInsensitive) == 0 ||
         encoding.compare(u"UTF8", Qt::CaseInsensitive) == 0;
}

}  // namespace

std::string AttributeText(QStringView text) {
  QString escaped;
  escaped.reserve(text.size());
  for (const QChar c : text) {
    switch (c.unicode()) {
      case u'&':
        escaped += u"&amp;";
        break;
      case u'<':
        escaped += u"&lt;";
        break;
      case u'"':
        escaped += u"&quot;";
        break;
      case u'\t':
        escaped += u"&#9;";
        break;
      case u'\n':
        escaped += u"&#10;";
        break;
      case u'\r':
        escaped += u"&#13;";
        break;
      default:
        escaped += c;
    }
  }
  std::string out;
  AppendUtf8(out, escaped);
  return out;
}

void PartHead::Note(const QXmlStreamReader& xml) {
  switch (xml.tokenType()) {
    case QXmlStreamReader::StartDocument:
      if (!IsUtf8Name(xml.documentEncoding())) splittable_ = false;
      break;
    case QXmlStreamReader::DTD:
      splittable_ = false;
      break;
    case QXmlStreamReader::StartElement: {
      std::string name;
      AppendUtf8(name, xml.qualifiedName());
      std::string tag = "<" + name;
      for (const QXmlStreamNamespaceDeclaration& d : xml.namespaceDeclarations()) {
        tag += d.prefix().isEmpty() ? " xmlns" : " xmlns:";
        AppendUtf8(tag, d.prefix());
        tag += "=\"" + AttributeText(d.namespaceUri()) + "\"";
      }
      open_.push_back({tag + ">", name});
      break;
    }
    case QXmlStreamReader::EndElement:
      if (!open_.empty()) open_.pop_back();
      break;
    default:
      break;
  }
}

std::string PartHead::Markup() const {
  std::string markup;
  for (const Open& element : open_) markup += element.tag;
  return markup;
}

}  // namespace tallowmere::input
