#include "app/GrowingLayout.h"

#include <algorithm>
#include <cstring>
#include <tuple>

namespace tallowmere::app {

namespace {

constexpr int kContentWidth = 8040;
constexpr int kContentHeight = 9570;

const ControlSpec& Spec(const char* name) {
  return *std::find_if(kFormInventory.begin(), kFormInventory.end(),
                       [name](const ControlSpec& spec) { return std::strcmp(spec.name, name) == 0; });
}

QRect Pixels(const TwipsRect& at) { return {Twips(at.left), Twips(at.top), Twips(at.width), Twips(at.height)}; }

}  // namespace

QSize ContentSize() { return {Twips(kContentWidth), Twips(kContentHeight)}; }

QRect GrownPlace(const ControlSpec& spec, QSize extra) {
  const int dw = std::max(0, extra.width());
  const int dh = std::max(0, extra.height());
  const QRect numbers = Pixels(Spec("ListView1").at);
  const QRect results = Pixels(Spec("ListView2").at);
  // The number list's share; the results list takes the rest.
  const int numbersShare = dh * numbers.height() / (numbers.height() + results.height());
  QRect place = Pixels(spec.at);
  const bool spans = spec.at.width == Spec("ListView1").at.width;
  const bool rightColumn = !spans && spec.at.left >= Spec("PushButton6").at.left;
  if (spans) place.setWidth(place.width() + dw);
  if (rightColumn) place.translate(dw, 0);
  if (place.top() > results.top())
    place.translate(0, dh);
  else if (place.top() > numbers.top())
    place.translate(0, numbersShare);
  if (std::strcmp(spec.name, "ListView1") == 0) place.setHeight(place.height() + numbersShare);
  if (std::strcmp(spec.name, "ListView2") == 0) place.setHeight(place.height() + dh - numbersShare);
  return place;
}

std::vector<const ControlSpec*> ReadingOrder() {
  std::vector<const ControlSpec*> order;
  for (const ControlSpec& spec : kFormInventory)
    if (spec.kind != ControlKind::kFrame && spec.kind != ControlKind::kLabel) order.push_back(&spec);
  // Top-level controls by their own place; a frame's by the frame's, then
  // by theirs within it.
  const auto key = [](const ControlSpec* spec) {
    const TwipsRect outer = spec->parent ? Spec(spec->parent).at : spec->at;
    return std::make_tuple(outer.top, outer.left, spec->at.top, spec->at.left);
  };
  std::stable_sort(order.begin(), order.end(),
                   [&](const ControlSpec* a, const ControlSpec* b) { return key(a) < key(b); });
  return order;
}

}  // namespace tallowmere::app
