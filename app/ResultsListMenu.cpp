#include "app/ResultsListMenu.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QShortcut>
#include <QWidget>

namespace {
QKeySequence DistributionKey() { return QKeySequence(Qt::CTRL | Qt::Key_D); }
}  // namespace

ResultsListMenu::ResultsListMenu(QWidget* window)
    : QObject(window),
      menu_(new QMenu(window)),
      copyAsTable_(menu_->addAction(QString::fromUtf8(kCopyAsTableItem))),
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
