#pragma once
// The number list's context menu. It opens with "Undo <step>" and
// "Redo <step>", named after the changes they would take back or make
// again ("Undo Clear List"), then a separator; other commands on the list
// go after it (Menu()->addAction). Ctrl+Z, and Ctrl+Shift+Z or Ctrl+Y, do
// the same anywhere in the window; the items show those keys. The item that
// removes every entry that is not a number is the window's to place
// (RemoveNotNumbersItem).
#include <QObject>
#include <QString>

#include "input/ListHistory.h"

class QAction;
class QKeyEvent;
class QMenu;
class QWidget;

namespace tallowmere::app {

// "Undo Clear List", or "Undo" alone when there is nothing to undo (or the
// step has no name); the same for redo.
QString UndoItemText(const input::ListHistory& history);
QString RedoItemText(const input::ListHistory& history);

class NumberListMenu final : public QObject {
  Q_OBJECT

 public:
  // `window`: where the keys count; the menu belongs to it too.
  explicit NumberListMenu(QWidget* window);
  ~NumberListMenu() override;

  // Whether a key is one of the undo and redo keys (a text editor keeps
  // them for its own text).
  static bool IsUndoOrRedoKey(const QKeyEvent& key);

  QMenu* Menu() const { return menu_; }
  QAction* UndoItem() const { return undo_; }
  QAction* RedoItem() const { return redo_; }
  QAction* RemoveNotNumbersItem() const { return removeNotNumbers_; }
  // Names the two items after `history`; they are enabled when there is a
  // step to take and `free` says the list may be changed back now.
  void Refresh(const input::ListHistory& history, bool free);
  // "Remove Entries That Are Not Numbers" is enabled when the list holds such
  // entries and may be changed now.
  void SetNotNumbersRemovable(bool removable);

 signals:
  // The item was chosen or its key pressed.
  void undoAsked();
  void redoAsked();
  void removeNotNumbersAsked();

 private:
  QMenu* menu_;
  QAction* undo_;
  QAction* redo_;
  QAction* removeNotNumbers_;
};

}  // namespace tallowmere::app
