#pragma once
// Every key of the program, for Help → Keyboard Shortcuts.
#include <QString>
#include <vector>

class QDialog;
class QWidget;

namespace tallowmere::app {

struct ShortcutRow {
  QString keys;   // as the desktop writes them, several joined by ", "
  QString where;  // the window or list the keys act in
  QString what;
};

// In the current language, keys as the platform names them.
std::vector<ShortcutRow> KeyboardShortcutRows();

// The dialog with the table of KeyboardShortcutRows(); not shown yet.
QDialog* MakeKeyboardShortcutsDialog(QWidget* parent);

}  // namespace tallowmere::app
