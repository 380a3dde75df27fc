#include "platform/TickBoxStyle.h"

#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>

#include "platform/ReadableColours.h"

namespace tallowmere::platform {

namespace {

class TickBoxStyle final : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    // An item view's box is drawn as a check box (through this proxy), so
    // one case serves both.
    if (element != PE_IndicatorCheckBox || !option || !painter) return;
    // The style's focus ring stays as it drew it.
    if (option->state & State_HasFocus && option->state & State_KeyboardFocusChange) return;
    const QColor background = option->palette.color(QPalette::Base);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setBrush(Qt::NoBrush);
    painter->setPen(QPen(ReadableEdge(background, option->palette.color(QPalette::Text)), 1));
    // Where Fusion draws its own edge, so the two coincide.
    painter->translate(0.5, 0.5);
    painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
    painter->restore();
  }
};

}  // namespace

void MakeTickBoxesReadable(QWidget& widget) {
  // The proxy owns the base it is given: a fresh one of the widget's style.
  QStyle* base = QStyleFactory::create(widget.style()->name());
  auto* style = new TickBoxStyle(base);
  style->setParent(&widget);
  widget.setStyle(style);
}

}  // namespace tallowmere::platform
