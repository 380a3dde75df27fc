#include "app/KeyboardShortcuts.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeySequence>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/HelpWindow.h"

namespace tallowmere::app {

namespace {

struct KeyPiece {
  const char* keys;  // Qt's portable names, several separated by "; "
  const char* where;
  const char* what;
};

constexpr const char* kWindow = QT_TRANSLATE_NOOP("KeyboardShortcuts", "Main window");
constexpr const char* kNumbers = QT_TRANSLATE_NOOP("KeyboardShortcuts", "Number list");
constexpr const char* kResults = QT_TRANSLATE_NOOP("KeyboardShortcuts", "Results list");
constexpr const char* kDistribution = QT_TRANSLATE_NOOP("KeyboardShortcuts", "Distribution window");
constexpr const char* kManual = QT_TRANSLATE_NOOP("KeyboardShortcuts", "Manual");

// The keys the window, its lists and its windows handle. An empty `keys`
// stands for Alt with a control's underlined letter.
constexpr KeyPiece kKeys[] = {
    {"F1", kWindow, QT_TRANSLATE_NOOP("KeyboardShortcuts", "Open the manual")},
    {"Ctrl+S", kWindow, QT_TRANSLATE_NOOP("KeyboardShortcuts", "Save Numbers…")},
    {"Ctrl+D", kWindow, QT_TRANSLATE_NOOP("KeyboardShortcuts", "Show Distribution…")},
    {"Ctrl+Q", kWindow, QT_TRANSLATE_NOOP("KeyboardShortcuts", "Quit")},
    {"", kWindow, QT_TRANSLATE_NOOP("KeyboardShortcuts", "Open the menu or press the button with that letter")},
    {"Tab; Shift+Tab", kWindow, QT_TRANSLATE_NOOP("KeyboardShortcuts", "Move to the next or the previous control")},
    {"Space; Return", kWindow, QT_TRANSLATE_NOOP("KeyboardShortcuts", "Press the focused button")},
    {"Esc", kWindow, QT_TRANSLATE_NOOP("KeyboardShortcuts", "Stop reading dropped, loaded or pasted files")},
    {"Ctrl+V; Shift+Ins", kNumbers, QT_TRANSLATE_NOOP("KeyboardShortcuts", "Paste Numbers")},
    {"Ctrl+C", kNumbers, QT_TRANSLATE_NOOP("KeyboardShortcuts", "Copy Numbers: the selected entries, or all")},
    {"Del", kNumbers, QT_TRANSLATE_NOOP("KeyboardShortcuts", "Remove the selected entry")},
    {"Ctrl+Z", kNumbers, QT_TRANSLATE_NOOP("KeyboardShortcuts", "Undo the last change of the list")},
    {"Ctrl+Shift+Z; Ctrl+Y", kNumbers, QT_TRANSLATE_NOOP("KeyboardShortcuts", "Redo")},
    {"Shift+F10; Menu", kNumbers, QT_TRANSLATE_NOOP("KeyboardShortcuts", "Open the context menu")},
    {"Space", kResults, QT_TRANSLATE_NOOP("KeyboardShortcuts", "Tick or untick the current row")},
    {"Ctrl+A", kResults, QT_TRANSLATE_NOOP("KeyboardShortcuts", "Tick every row")},
    {"Ctrl+Shift+A", kResults, QT_TRANSLATE_NOOP("KeyboardShortcuts", "Untick every row")},
    {"Shift+F10; Menu", kResults, QT_TRANSLATE_NOOP("KeyboardShortcuts", "Open the context menu")},
    {"Ctrl+C", kDistribution, QT_TRANSLATE_NOOP("KeyboardShortcuts", "Copy Picture")},
    {"Ctrl+S", kDistribution, QT_TRANSLATE_NOOP("KeyboardShortcuts", "Save Picture…")},
    {"Esc", kDistribution, QT_TRANSLATE_NOOP("KeyboardShortcuts", "Close the window")},
    {"Ctrl+F", kManual, QT_TRANSLATE_NOOP("KeyboardShortcuts", "Find in the manual")},
    {"F3; Return", kManual, QT_TRANSLATE_NOOP("KeyboardShortcuts", "Find the next match")},
    {"Shift+F3", kManual, QT_TRANSLATE_NOOP("KeyboardShortcuts", "Find the previous match")},
    {"Alt+Left; Alt+Right", kManual, QT_TRANSLATE_NOOP("KeyboardShortcuts", "Back and Forward")},
    {"Esc", kManual, QT_TRANSLATE_NOOP("KeyboardShortcuts", "Close the manual")},
};

QString Translate(const char* text) { return QCoreApplication::translate("KeyboardShortcuts", text); }

QString NativeKeys(const char* portable) {
  if (!*portable) {
    // Alt with a letter, the letter left for the reader to fill in.
    const QString alt = QKeySequence(Qt::ALT | Qt::Key_A).toString(QKeySequence::NativeText).chopped(1);
    return alt + Translate(QT_TRANSLATE_NOOP("KeyboardShortcuts", "underlined letter"));
  }
  QStringList keys;
  for (const QString& key : QString::fromLatin1(portable).split(QStringLiteral("; ")))
    keys << QKeySequence::fromString(key, QKeySequence::PortableText).toString(QKeySequence::NativeText);
  return keys.join(QStringLiteral(", "));
}

QTableWidget* ShortcutTable(QWidget* parent) {
  const std::vector<ShortcutRow> rows = KeyboardShortcutRows();
  auto* table = new QTableWidget(static_cast<int>(rows.size()), 3, parent);
  table->setObjectName(QStringLiteral("ShortcutTable"));
  table->setHorizontalHeaderLabels({Translate(QT_TRANSLATE_NOOP("KeyboardShortcuts", "Keys")),
                                    Translate(QT_TRANSLATE_NOOP("KeyboardShortcuts", "Where")),
                                    Translate(QT_TRANSLATE_NOOP("KeyboardShortcuts", "What it does"))});
  for (int row = 0; row < table->rowCount(); ++row) {
    const ShortcutRow& shortcut = rows[static_cast<std::size_t>(row)];
    table->setItem(row, 0, new QTableWidgetItem(shortcut.keys));
    table->setItem(row, 1, new QTableWidgetItem(shortcut.where));
    table->setItem(row, 2, new QTableWidgetItem(shortcut.what));
  }
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->verticalHeader()->hide();
  table->horizontalHeader()->setStretchLastSection(true);
  table->resizeColumnsToContents();
  table->resizeRowsToContents();
  return table;
}

}  // namespace

std::vector<ShortcutRow> KeyboardShortcutRows() {
  std::vector<ShortcutRow> rows;
  for (const KeyPiece& piece : kKeys)
    rows.push_back({NativeKeys(piece.keys), Translate(piece.where), Translate(piece.what)});
  return rows;
}

QDialog* MakeKeyboardShortcutsDialog(QWidget* parent) {
  auto* dialog = new QDialog(parent);
  dialog->setObjectName(QStringLiteral("KeyboardShortcuts"));
  dialog->setWindowTitle(Translate(QT_TRANSLATE_NOOP("KeyboardShortcuts", "Keyboard Shortcuts \u2014 Tallowmere")));
  auto* layout = new QVBoxLayout(dialog);
  layout->addWidget(ShortcutTable(dialog));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  layout->addWidget(buttons);
  dialog->resize(720, 600);
  return dialog;
}

void ShowKeyboardShortcuts(QWidget* parent) {
  QDialog* dialog = MakeKeyboardShortcutsDialog(parent);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->show();
}

}  // namespace tallowmere::app
