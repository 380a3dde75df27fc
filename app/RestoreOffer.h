#pragma once
// The offer over the top of the number list's rows at start: the list kept
// at the last close can be restored with one click. It also tells, in the
// same place, why nothing can be offered (the list was too large to keep, or
// its file could not be read); a click then only dismisses it. It floats
// over the rows, outside the inventory's layout and the tab order.
#include <QPushButton>

class QAbstractScrollArea;

namespace tallowmere::app {

class RestoreOffer final : public QPushButton {
 public:
  explicit RestoreOffer(QAbstractScrollArea* list);
  // Shows `text` until withdrawn.
  void Offer(const QString& text);
  void Withdraw();
  bool Offered() const { return offered_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Across the top of the list's visible rows, as high as its text needs.
  void Place();

  QAbstractScrollArea* list_;
  bool offered_ = false;
};

}  // namespace tallowmere::app
