// The main window's room: the menu bar over the content, the
// content growing with the window, the keys that reach the controls and the
// size kept between runs.
#include <QCheckBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QWindow>

#include "app/Form1.h"
#include "app/GrowingLayout.h"
#include "app/MainMenu.h"
#include "app/Mnemonics.h"
#include "app/WindowSize.h"

namespace tallowmere::app {

int Form1::MenuBarHeight() const { return mainMenu_ ? mainMenu_->Bar()->sizeHint().height() : 0; }

void Form1::SetUpRoom() {
  BuildMainMenu();
  // In reading order, so the earlier controls get the first letters they ask
  // for; the menu titles' letters are the bar's.
  AssignMnemonics({PushButton3, PushButton6, PushButton1, PushButton2, Option1, Option2, Label1, Check1, PushButton7,
                   PushButton4, PushButton13, PushButton5, PushButton8},
                  mainMenu_->TitleKeys());
  const QSize minimum = ContentSize() + QSize(0, MenuBarHeight());
  setMinimumSize(minimum);
  resize(minimum);
  LayOutContent();
}

void Form1::LayOutContent() {
  const int bar = MenuBarHeight();
  if (mainMenu_) mainMenu_->Bar()->setGeometry(0, 0, width(), bar);
  const QSize extra = size() - ContentSize() - QSize(0, bar);
  for (const ControlSpec& spec : kFormInventory) {
    if (spec.parent) continue;  // a frame's controls move with it
    if (auto* control = findChild<QWidget*>(QString::fromLatin1(spec.name), Qt::FindDirectChildrenOnly))
      control->setGeometry(GrownPlace(spec, extra).translated(0, bar));
  }
}

void Form1::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  LayOutContent();
}

void Form1::RestoreWindowSize(const QRect& area) {
  const std::optional<QSize> size =
      RememberedWindowSize(settings_.Get(QString::fromLatin1(kWindowSizeKey), QString()), minimumSize(), area.size());
  if (size) resize(*size);
}

void Form1::KeepWindowSize() {
  // The size the window returns to, not a maximised one; a size the store
  // cannot keep is not worth a notice at the close.
  const QSize size = isMaximized() ? normalGeometry().size() : this->size();
  if (!size.isValid()) return;
  const QString text = WindowSizeText(size);
  const QString app = QString::fromLatin1(platform::kSettingsApplication);
  const QString section = QString::fromLatin1(platform::kSettingsSection);
  const QString key = QString::fromLatin1(kWindowSizeKey);
  if (platform::GetSetting(app, section, key, QString()) == text) return;
  static_cast<void>(platform::SaveSetting(app, section, key, text));
}

}  // namespace tallowmere::app
