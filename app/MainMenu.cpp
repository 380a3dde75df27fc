#include "app/MainMenu.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

namespace tallowmere::app {

namespace {

constexpr const char* kTitles[] = {
    QT_TRANSLATE_NOOP("MainMenu", "&File"),
    QT_TRANSLATE_NOOP("MainMenu", "&Edit"),
    QT_TRANSLATE_NOOP("MainMenu", "&Analysis"),
    QT_TRANSLATE_NOOP("MainMenu", "&Help"),
};
constexpr const char* kTitleNames[] = {"fileMenu", "editMenu", "analysisMenu", "helpMenu"};

QString Translated(const char* text) { return QCoreApplication::translate("MainMenu", text); }

}  // namespace

MainMenu::MainMenu(QWidget& window) : QObject(&window), bar_(new QMenuBar(&window)) {
  bar_->setObjectName(QStringLiteral("menuBar"));
  // Drawn in the window on every desktop: the content below keeps its place.
  bar_->setNativeMenuBar(false);
  // The desktop's own menu look, not the content's bold Arial.
  bar_->setFont(QApplication::font());
  bar_->setPalette(QApplication::palette());
  for (std::size_t i = 0; i < menus_.size(); ++i) {
    menus_[i] = bar_->addMenu(Translated(kTitles[i]));
    menus_[i]->setObjectName(QString::fromLatin1(kTitleNames[i]));
  }
}

QAction* MainMenu::Add(const MenuRow& row) {
  QMenu* menu = Menu(row.menu);
  if (!row.text) {
    menu->addSeparator();
    return nullptr;
  }
  auto* item = new QAction(Translated(row.text), menu);
  if (row.objectName) item->setObjectName(QString::fromLatin1(row.objectName));
  item->setCheckable(row.checkable);
  if (row.keys) {
    const QKeySequence keys(QString::fromLatin1(row.keys), QKeySequence::PortableText);
    if (row.keysElsewhere)
      item->setText(item->text() + QLatin1Char('\t') + keys.toString(QKeySequence::NativeText));
    else
      item->setShortcut(keys);
  }
  if (row.run) connect(item, &QAction::triggered, this, [run = row.run] { run(); });
  menu->addAction(item);
  return item;
}

QMenu* MainMenu::AddSubmenu(MenuTitle title, const char* text, const char* objectName,
                            std::function<void(QMenu&)> fill) {
  QMenu* submenu = Menu(title)->addMenu(Translated(text));
  submenu->setObjectName(QString::fromLatin1(objectName));
  connect(submenu, &QMenu::aboutToShow, this, [submenu, fill = std::move(fill)] {
    submenu->clear();
    fill(*submenu);
  });
  return submenu;
}

QAction* MainMenu::Item(const char* objectName) const {
  return bar_->findChild<QAction*>(QString::fromLatin1(objectName));
}

void MainMenu::OnOpen(MenuTitle title, std::function<void()> refresh) {
  connect(Menu(title), &QMenu::aboutToShow, this, [refresh = std::move(refresh)] { refresh(); });
}

void MainMenu::Exclusive(QAction* first, QAction* second) {
  auto* group = new QActionGroup(this);
  group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
  group->addAction(first);
  group->addAction(second);
}

QString MainMenu::TitleKeys() const {
  QString keys;
  for (QMenu* menu : menus_) {
    const qsizetype mark = menu->title().indexOf(QLatin1Char('&'));
    if (mark >= 0 && mark + 1 < menu->title().size()) keys += menu->title()[mark + 1].toUpper();
  }
  return keys;
}

void MainMenu::SetItemText(QAction& item, const QString& text) {
  const qsizetype tab = item.text().indexOf(QLatin1Char('\t'));
  item.setText(tab < 0 ? text : text + item.text().mid(tab));
}

}  // namespace tallowmere::app
