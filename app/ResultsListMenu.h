#pragma once
// The results list's context menu: "Copy as Table" (the ticked rows, or all
// when none is ticked, as label TAB value lines) and "Show Distribution…"
// (also Ctrl+D anywhere in the window). The Menu key and Shift+F10 open it
// as they open the number list's.
#include <QObject>
#include <vector>

#include "results/ResultListModel.h"
#include "results/ResultModel.h"

class QAction;
class QMenu;
class QWidget;

namespace tallowmere::app {

inline constexpr const char* kCopyAsTableItem = QT_TRANSLATE_NOOP("ResultsListMenu", "Copy as Table");
inline constexpr const char* kShowDistributionItem = "Show Distribution\u2026";

// What "Copy as Table" copies: the rows the list shows ticked, or all of
// them when none is ticked. Nothing when the list is empty (it was cleared).
std::vector<const results::ResultRow*> RowsToCopy(const results::ResultListModel& list);

class ResultsListMenu final : public QObject {
  Q_OBJECT

 public:
  // `window`: where Ctrl+D counts; the menu belongs to it too.
  explicit ResultsListMenu(QWidget* window);
  ~ResultsListMenu() override;

  QMenu* Menu() const { return menu_; }
  QAction* ShowDistributionItem() const { return showDistribution_; }
  // "Copy as Table" is offered when the list holds rows.
  void Refresh(bool haveRows);

 signals:
  void copyAsTableAsked();
  void showDistributionAsked();

 private:
  QMenu* menu_;
  QAction* copyAsTable_;
  QAction* showDistribution_;
};

}  // namespace tallowmere::app
