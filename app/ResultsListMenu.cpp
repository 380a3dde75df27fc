#include "app/ResultsListMenu.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>
#include <QShortcut>
#include <QWidget>

namespace tallowmere::app {

namespace {
QKeySequence DistributionKey() { return QKeySequence(Qt::CTRL | Qt::Key_D); }
}  // namespace

std::vector<const results::ResultRow*> RowsToCopy(const results::ResultListModel& list) {
  std::vector<const results::ResultRow*> all;
  std::vector<const results::ResultRow*> ticked;
  for (int row = 0; row < list.rowCount(); ++row) {
    const results::ResultRow& result = list.Rows()[static_cast<std::size_t>(row)];
    all.push_back(&result);
    if (list.Ticked(row)) ticked.push_back(&result);
  }
  return ticked.empty() ? all : ticked;
}

ResultsListMenu::ResultsListMenu(QWidget* window)
    : QObject(window),
      menu_(new QMenu(window)),
      copyAsTable_(menu_->addAction(QCoreApplication::translate("ResultsListMenu", kCopyAsTableItem))),
      showDistribution_(menu_->addAction(QString::fromUtf8(kShowDistributionItem))) {
  // The window's shortcut works whether the menu was ever opened or not; the
  // item shows the key.
  showDistribution_->setShortcut(DistributionKey());
  showDistribution_->setShortcutContext(Qt::WidgetShortcut);
  showDistribution_->setShortcutVisibleInContextMenu(true);
  connect(copyAsTable_, &QAction::triggered, this, &ResultsListMenu::copyAsTableAsked);
  connect(showDistribution_, &QAction::triggered, this, &ResultsListMenu::showDistributionAsked);
  connect(new QShortcut(DistributionKey(), window), &QShortcut::activated, this,
          &ResultsListMenu::showDistributionAsked);
}

ResultsListMenu::~ResultsListMenu() = default;

void ResultsListMenu::Refresh(bool haveRows) { copyAsTable_->setEnabled(haveRows); }

}  // namespace tallowmere::app
