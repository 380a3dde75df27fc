#pragma once
// The Help menu's windows: the manual in a window of its own (one at a time,
// not modal), the table of keyboard shortcuts, and About.
#include <QTextBrowser>
#include <QWidget>

class QLabel;
class QLineEdit;
class QToolButton;

namespace tallowmere::app {

inline constexpr const char* kManualScheme = "tallowmere-manual";

// The manual's pages come from the program itself: any other address is
// refused, so nothing is fetched and no other program is started.
class ManualBrowser final : public QTextBrowser {
 public:
  explicit ManualBrowser(QWidget* parent);
  QVariant loadResource(int type, const QUrl& name) override;
  // Narrows the pictures wider than the page to its width, keeping their
  // proportions; the others keep their own size.
  void FitImages();

 protected:
  void doSetSource(const QUrl& name, QTextDocument::ResourceType type) override;
  void resizeEvent(QResizeEvent* event) override;
};

class HelpWindow final : public QWidget {
  Q_OBJECT

 public:
  explicit HelpWindow(QWidget* parent);

  // Finds `text` from the cursor on, wrapping round at the end; false (and
  // the field marked) when the manual does not hold it.
  bool FindNext(bool backward = false);
  bool ShowsNotFound() const;

  ManualBrowser* Browser() const { return browser_; }
  QLineEdit* SearchField() const { return search_; }

 private:
  void BuildToolBar(QWidget& bar);
  void AddKeys();
  void MarkNotFound(bool notFound);

  ManualBrowser* browser_;
  QLineEdit* search_ = nullptr;
  QLabel* notFound_ = nullptr;
  QToolButton* back_ = nullptr;
  QToolButton* forward_ = nullptr;
};

// F1 and Help → Manual: opens the manual, or raises it when it is open.
void ShowManual(QWidget* parent);
// The open manual window, if any.
HelpWindow* OpenManualWindow();

// Help → Keyboard Shortcuts.
void ShowKeyboardShortcuts(QWidget* parent);
// Help → About Tallowmere.
void ShowAbout(QWidget* parent);

}  // namespace tallowmere::app
