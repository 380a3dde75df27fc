// The main window's menu bar: every item runs what its button, option or
// context-menu item runs, through the same procedure.
#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <utility>

#include "app/DistributionLink.h"
#include "app/Form1.h"
#include "app/HelpWindow.h"
#include "app/MainMenu.h"
#include "app/Mnemonics.h"
#include "app/NumberListMenu.h"
#include "input/NumberListModel.h"
#include "platform/Clipboard.h"
#include "results/AnalysisEntries.h"

namespace tallowmere::app {

namespace {

constexpr MenuTitle kFile = MenuTitle::kFile;
constexpr MenuTitle kEdit = MenuTitle::kEdit;
constexpr MenuTitle kAnalysis = MenuTitle::kAnalysis;
constexpr MenuTitle kHelp = MenuTitle::kHelp;

}  // namespace

void Form1::BuildMainMenu() {
  mainMenu_ = new MainMenu(*this);
  const auto click = [](QAbstractButton* button) { return [button] { button->click(); }; };
  const auto command = [this](void (Form1::*run)()) {
    return [this, run] { RunCommand([this, run] { (this->*run)(); }); };
  };
  // clang-format off
  const MenuRow opening[] = {
      Item(kFile, QT_TRANSLATE_NOOP("MainMenu", "&Load Numbers From File"), nullptr, "loadNumbersItem", click(PushButton6)),
      Item(kFile, QT_TRANSLATE_NOOP("MainMenu", "Save &Numbers…"), "Ctrl+S", "saveNumbersItem", command(&Form1::SaveNumbers)),
  };
  const MenuRow rows[] = {
      Separator(kFile),
      Item(kFile, QT_TRANSLATE_NOOP("MainMenu", "Save Results As &Text File"), nullptr, "saveTextItem", click(PushButton4)),
      Item(kFile, QT_TRANSLATE_NOOP("MainMenu", "Save Results As &Excel File"), nullptr, "saveExcelItem", click(PushButton13)),
      Separator(kFile),
      Item(kFile, QT_TRANSLATE_NOOP("MainMenu", "&Quit"), "Ctrl+Q", "quitItem", [this] { window()->close(); }),
      Item(kEdit, QT_TRANSLATE_NOOP("MainMenu", "&Undo"), "Ctrl+Z", "undoItem", [this] { UndoListChange(); }, true),
      Item(kEdit, QT_TRANSLATE_NOOP("MainMenu", "&Redo"), "Ctrl+Shift+Z", "redoItem", [this] { RedoListChange(); }, true),
      Separator(kEdit),
      Item(kEdit, QT_TRANSLATE_NOOP("MainMenu", "&Paste Numbers"), "Ctrl+V", "pasteNumbersItem", command(&Form1::ListView1_Paste), true),
      Item(kEdit, QT_TRANSLATE_NOOP("MainMenu", "C&opy Numbers"), "Ctrl+C", "copyNumbersItem", command(&Form1::CopyNumbers), true),
      Item(kEdit, QT_TRANSLATE_NOOP("MainMenu", "Copy Results To &Clipboard"), nullptr, "copyResultsItem", click(PushButton5)),
      Item(kEdit, QT_TRANSLATE_NOOP("MainMenu", "Copy as T&able"), nullptr, "copyAsTableItem", [this] { ListView2_CopyAsTable(); }),
      Separator(kEdit),
      Item(kEdit, QT_TRANSLATE_NOOP("MainMenu", "Remove Entries That Are &Not Numbers"), nullptr, "removeNotNumbersItem",
       [this] { ListView1_RemoveNotNumbers(); }),
      Item(kEdit, QT_TRANSLATE_NOOP("MainMenu", "C&lear List"), nullptr, "clearNumbersItem", click(PushButton1)),
      Item(kEdit, QT_TRANSLATE_NOOP("MainMenu", "Clear Re&sults"), nullptr, "clearResultsItem", click(PushButton8)),
      Separator(kEdit),
      // The offer over the number list takes no focus: from the keyboard, the
      // numbers of last time come back through here.
      Item(kEdit, QT_TRANSLATE_NOOP("MainMenu", "Res&tore Numbers From Last Time"), nullptr, "restoreNumbersItem",
       command(&Form1::RestoreKeptList)),
      Item(kAnalysis, QT_TRANSLATE_NOOP("MainMenu", "&Start Analysis"), nullptr, "startAnalysisItem", click(PushButton7)),
      Separator(kAnalysis),
      Item(kAnalysis, QT_TRANSLATE_NOOP("MainMenu", "Sa&mple"), nullptr, "sampleItem", click(Option1), false, true),
      Item(kAnalysis, QT_TRANSLATE_NOOP("MainMenu", "&Population"), nullptr, "populationItem", click(Option2), false, true),
      Item(kAnalysis, QT_TRANSLATE_NOOP("MainMenu", "Show all de&cimals"), nullptr, "showAllDecimalsItem", click(Check1), false, true),
      Separator(kAnalysis),
      Item(kAnalysis, QT_TRANSLATE_NOOP("MainMenu", "Show &Distribution…"), "Ctrl+D", "showDistributionItem",
       [this] { RunCommand([this] { distribution_->Show(); }); }, true),
      Item(kHelp, QT_TRANSLATE_NOOP("MainMenu", "&Manual"), "F1", "manualItem", [this] { ShowManual(this); }),
      Item(kHelp, QT_TRANSLATE_NOOP("MainMenu", "&Keyboard Shortcuts"), nullptr, "keyboardShortcutsItem",
       [this] { ShowKeyboardShortcuts(this); }),
      Separator(kHelp),
      Item(kHelp, QT_TRANSLATE_NOOP("MainMenu", "&About Tallowmere"), nullptr, "aboutItem", [this] { ShowAbout(this); }),
  };
  // clang-format on
  for (const MenuRow& row : opening) mainMenu_->Add(row);
  mainMenu_->AddSubmenu(kFile, QT_TRANSLATE_NOOP("MainMenu", "Open &Recent"), "recentMenu",
                        [this](QMenu& menu) { FillRecentMenu(menu); });
  for (const MenuRow& row : rows) mainMenu_->Add(row);
  FollowOptionsInMenu();
  mainMenu_->OnOpen(kEdit, [this] { RefreshEditMenu(); });
}

void Form1::FollowOptionsInMenu() {
  QAction* sample = mainMenu_->Item("sampleItem");
  QAction* population = mainMenu_->Item("populationItem");
  QAction* decimals = mainMenu_->Item("showAllDecimalsItem");
  mainMenu_->Exclusive(sample, population);
  sample->setChecked(Option1->isChecked());
  population->setChecked(Option2->isChecked());
  decimals->setChecked(Check1->isChecked());
  connect(Option1, &QRadioButton::toggled, sample, &QAction::setChecked);
  connect(Option2, &QRadioButton::toggled, population, &QAction::setChecked);
  connect(Check1, &QCheckBox::toggled, decimals, &QAction::setChecked);
  // An item the user unticks stays as the control is: the control decides.
  for (const auto& pair :
       {std::pair<QAction*, QAbstractButton*>{sample, Option1}, {population, Option2}, {decimals, Check1}}) {
    QAction* item = pair.first;
    QAbstractButton* control = pair.second;
    connect(item, &QAction::triggered, item, [item, control] { item->setChecked(control->isChecked()); });
  }
}

void Form1::RefreshEditMenu() {
  // What the number list's context menu would offer now.
  numbers_->Flush();
  listMenu_->Refresh(numbers_->History(), ListHistoryFree());
  for (auto [item, from] : {std::pair{mainMenu_->Item("undoItem"), listMenu_->UndoItem()},
                            {mainMenu_->Item("redoItem"), listMenu_->RedoItem()}}) {
    MainMenu::SetItemText(*item, MarkMnemonic(ShownCaption(from->text()), 0));
    item->setEnabled(from->isEnabled());
  }
  bool anyNotNumber = false;
  results::ForEachNotNumber(ListEntries(), 0, numbers_->Count(), separators_, [&](std::size_t) {
    anyNotNumber = true;
    return false;
  });
  mainMenu_->Item("removeNotNumbersItem")->setEnabled(anyNotNumber && ListHistoryFree());
  mainMenu_->Item("pasteNumbersItem")->setEnabled(platform::ClipboardHasText());
  mainMenu_->Item("copyAsTableItem")->setEnabled(results_->rowCount() > 0);
  mainMenu_->Item("restoreNumbersItem")->setEnabled(kept_ != nullptr && numbers_->Count() == 0 && ListHistoryFree());
}

}  // namespace tallowmere::app
