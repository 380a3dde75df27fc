#pragma once
// The menu bar over the main window's content, built from rows: each
// row names its menu, its text, its keys, its object name and the command it
// runs, so an item is added in one line. Texts are translated in the context
// "MainMenu" (QT_TRANSLATE_NOOP("MainMenu", "…") in the rows).
#include <QObject>
#include <QString>
#include <array>
#include <functional>
#include <utility>

class QAction;
class QActionGroup;
class QMenu;
class QMenuBar;
class QWidget;

namespace tallowmere::app {

enum class MenuTitle { kFile, kEdit, kAnalysis, kHelp };

struct MenuRow {
  MenuTitle menu = MenuTitle::kFile;
  // The source text with its mnemonic mark; none makes a separator.
  const char* text = nullptr;
  // Portable key text ("Ctrl+Q"); none for an item without keys.
  const char* keys = nullptr;
  const char* objectName = nullptr;
  std::function<void()> run;
  // The window binds these keys already (where they count): the item only
  // shows them, so a key press is not claimed twice.
  bool keysElsewhere = false;
  bool checkable = false;
};

// A row of an item, and a separator's row.
inline MenuRow Item(MenuTitle menu, const char* text, const char* keys, const char* objectName,
                    std::function<void()> run, bool keysElsewhere = false, bool checkable = false) {
  return {menu, text, keys, objectName, std::move(run), keysElsewhere, checkable};
}
inline MenuRow Separator(MenuTitle menu) { return {menu, nullptr, nullptr, nullptr, {}, false, false}; }

class MainMenu final : public QObject {
  Q_OBJECT

 public:
  // Makes the bar on `window`, with its four menus, empty.
  explicit MainMenu(QWidget& window);

  QMenuBar* Bar() const { return bar_; }
  QMenu* Menu(MenuTitle title) const { return menus_[static_cast<std::size_t>(title)]; }
  // Adds `row` at the end of its menu; the item, or null for a separator.
  QAction* Add(const MenuRow& row);
  // Adds a submenu at the end of `title`'s menu, filled by `fill` each time
  // it is about to open (a list of recent files).
  QMenu* AddSubmenu(MenuTitle title, const char* text, const char* objectName, std::function<void(QMenu&)> fill);
  // The item of that object name, or null.
  QAction* Item(const char* objectName) const;
  // Runs `refresh` each time the menu is about to open (its items' names and
  // enabling follow the window's state there).
  void OnOpen(MenuTitle title, std::function<void()> refresh);
  // Puts `first` and `second` into one group of which one at most is checked.
  void Exclusive(QAction* first, QAction* second);
  // The keys the menu titles' mnemonics take, upper case.
  QString TitleKeys() const;

  // Gives an item a new text, keeping the keys it shows.
  static void SetItemText(QAction& item, const QString& text);

 private:
  QMenuBar* bar_;
  std::array<QMenu*, 4> menus_{};
};

}  // namespace tallowmere::app
