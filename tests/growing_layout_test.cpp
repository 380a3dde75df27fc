#include <gtest/gtest.h>

#include <cstring>

#include "app/GrowingLayout.h"

namespace {

using tallowmere::app::ControlSpec;
using tallowmere::app::GrownPlace;
using tallowmere::app::kFormInventory;

const ControlSpec& Spec(const char* name) {
  for (const ControlSpec& spec : kFormInventory)
    if (std::strcmp(spec.name, name) == 0) return spec;
  ADD_FAILURE() << name;
  return kFormInventory[0];
}

TEST(GrownPlace, ListsTakeTheRoomAndTheColumnsFollowTheirEdges) {
  // 370 more each way: the number list takes 121/370 of the height.
  const QSize extra(370, 370);
  const struct {
    const char* control;
    QRect unGrown;  // pixels at the content's own size
    QRect grown;
  } cases[] = {
      {"ListView1", {8, 6, 520, 121}, {8, 6, 890, 242}},          {"PushButton3", {8, 134, 256, 27}, {8, 255, 256, 27}},
      {"PushButton6", {272, 134, 256, 27}, {642, 255, 256, 27}},  {"PushButton1", {8, 168, 256, 27}, {8, 289, 256, 27}},
      {"PushButton2", {272, 168, 256, 27}, {642, 289, 256, 27}},  {"Frame1", {8, 200, 256, 71}, {8, 321, 256, 71}},
      {"Frame2", {272, 200, 256, 71}, {642, 321, 256, 71}},       {"PushButton7", {8, 279, 520, 27}, {8, 400, 890, 27}},
      {"ListView2", {8, 314, 520, 249}, {8, 435, 890, 498}},      {"PushButton4", {8, 570, 256, 27}, {8, 940, 256, 27}},
      {"PushButton13", {272, 570, 256, 27}, {642, 940, 256, 27}}, {"PushButton5", {8, 604, 256, 27}, {8, 974, 256, 27}},
      {"PushButton8", {272, 604, 256, 27}, {642, 974, 256, 27}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.control);
    EXPECT_EQ(GrownPlace(Spec(c.control), QSize()), c.unGrown);
    EXPECT_EQ(GrownPlace(Spec(c.control), QSize(-50, -9)), c.unGrown);  // never smaller than the content
    EXPECT_EQ(GrownPlace(Spec(c.control), extra), c.grown);
  }
  // An odd pixel of height goes to the results list; nothing is lost.
  const QRect numbers = GrownPlace(Spec("ListView1"), QSize(0, 1));
  const QRect results = GrownPlace(Spec("ListView2"), QSize(0, 1));
  EXPECT_EQ(numbers.height() + results.height(), 121 + 249 + 1);
  EXPECT_EQ(GrownPlace(Spec("PushButton8"), QSize(0, 1)).top(), 605);
}

}  // namespace
