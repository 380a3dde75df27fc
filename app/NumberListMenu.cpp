#include "app/NumberListMenu.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QShortcut>
#include <QWidget>

namespace tallowmere::app {

namespace {
QKeySequence UndoKey() { return QKeySequence(Qt::CTRL | Qt::Key_Z); }
QList<QKeySequence> RedoKeys() {
  return {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)};
}

// "Undo" alone, or "Undo Clear List" with the step's name.
QString ItemText(const char* verb, const char* verbAndStep, bool can, const std::string& name) {
  if (!can || name.empty()) return QCoreApplication::translate("NumberListMenu", verb);
  return QCoreApplication::translate("NumberListMenu", verbAndStep)
      .arg(QCoreApplication::translate("ListHistory", name.c_str()));
}
}  // namespace

QString UndoItemText(const input::ListHistory& history) {
  return ItemText(QT_TRANSLATE_NOOP("NumberListMenu", "Undo"), QT_TRANSLATE_NOOP("NumberListMenu", "Undo %1"),
                  history.CanUndo(), history.UndoName());
}

QString RedoItemText(const input::ListHistory& history) {
  return ItemText(QT_TRANSLATE_NOOP("NumberListMenu", "Redo"), QT_TRANSLATE_NOOP("NumberListMenu", "Redo %1"),
                  history.CanRedo(), history.RedoName());
}

NumberListMenu::NumberListMenu(QWidget* window)
    : QObject(window),
      menu_(new QMenu(window)),
      undo_(menu_->addAction(tr("Undo"))),
      redo_(menu_->addAction(tr("Redo"))),
      removeNotNumbers_(new QAction(tr("Remove Entries That Are Not Numbers"), menu_)) {
  removeNotNumbers_->setEnabled(false);
  connect(removeNotNumbers_, &QAction::triggered, this, &NumberListMenu::removeNotNumbersAsked);
  menu_->addSeparator();
  // The window's shortcuts work whether the menu was ever opened or not; the
  // items show the keys, and take them while the menu is open.
  undo_->setShortcut(UndoKey());
  redo_->setShortcuts(RedoKeys());
  for (QAction* item : {undo_, redo_}) {
    item->setShortcutContext(Qt::WidgetShortcut);
    item->setShortcutVisibleInContextMenu(true);
    item->setEnabled(false);
  }
  connect(undo_, &QAction::triggered, this, &NumberListMenu::undoAsked);
  connect(redo_, &QAction::triggered, this, &NumberListMenu::redoAsked);
  connect(new QShortcut(UndoKey(), window), &QShortcut::activated, this, &NumberListMenu::undoAsked);
  for (const QKeySequence& key : RedoKeys())
    connect(new QShortcut(key, window), &QShortcut::activated, this, &NumberListMenu::redoAsked);
}

bool NumberListMenu::IsUndoOrRedoKey(const QKeyEvent& key) {
  const QKeySequence pressed(key.keyCombination());
  return pressed == UndoKey() || RedoKeys().contains(pressed);
}

NumberListMenu::~NumberListMenu() = default;

void NumberListMenu::Refresh(const input::ListHistory& history, bool free) {
  undo_->setText(UndoItemText(history));
  redo_->setText(RedoItemText(history));
  undo_->setEnabled(free && history.CanUndo());
  redo_->setEnabled(free && history.CanRedo());
}

void NumberListMenu::SetNotNumbersRemovable(bool removable) { removeNotNumbers_->setEnabled(removable); }

}  // namespace tallowmere::app
