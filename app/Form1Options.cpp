// Form1's options: the method, the decimal places and "Show all decimals", stored as they change.
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QRadioButton>
#include <QTimer>

#include "app/Form1.h"
#include "app/FormControls.h"
#include "platform/Dialogs.h"
#include "results/Options.h"

namespace tallowmere::app {

void Form1::SetOptionButton(QRadioButton* button, bool selected) {
  if (button->isChecked() == selected) return;
  if (selected) {
    button->setChecked(true);
    return;
  }
  // An auto-exclusive button refuses to be cleared; a stored "False" must
  // still clear it, even when that leaves neither method selected.
  button->setAutoExclusive(false);
  button->setChecked(false);
  button->setAutoExclusive(true);
}

void Form1::SetCombo1Text(const QString& text) {
  if (Combo1->currentText() != text) Combo1->setEditText(text);
}

void Form1::Option1_Click() { results::StoreMethod(settings_, Option1->isChecked(), Option2->isChecked()); }

void Form1::Option2_Click() { results::StoreMethod(settings_, Option1->isChecked(), Option2->isChecked()); }

void Form1::Check1_Click() {
  if (Check1->isChecked()) {
    Combo1->setEnabled(false);
    SetCombo1Text(QString::fromLatin1(results::kAllDecimalPlaces));
  } else {
    Combo1->setEnabled(true);
    SetCombo1Text(QString::fromLatin1(results::kDefaultDecimalPlaces));
  }
  results::StoreShowAllDecimals(settings_, Check1->isChecked());
}

void Form1::Combo1_Change() { results::StoreDecimalPlaces(settings_, Combo1->currentText()); }

void Form1::Combo1_Click() { results::StoreDecimalPlaces(settings_, Combo1->currentText()); }

void Form1::ScheduleCombo1LostFocus() { lostFocusTimer_->start(0); }

void Form1::Combo1_LostFocus() {
  if (results::DecimalPlacesAcceptable(Combo1->currentText(), separators_)) return;
  dialogs_.Message(QCoreApplication::translate("Options", results::kMustBeNumericMessage));
  Combo1->setFocus(Qt::OtherFocusReason);
}

bool Form1::Combo1_KeyDown(const QKeyEvent& key) {
  int step = 0;
  switch (key.key()) {
    case Qt::Key_Up:
    case Qt::Key_PageUp:
      step = -1;
      break;
    case Qt::Key_Down:
    case Qt::Key_PageDown:
      step = 1;
      break;
    default:
      return false;
  }
  // Alt+Down opens the list and Ctrl+arrows belong to the text, as before.
  if (key.modifiers() & (Qt::AltModifier | Qt::ControlModifier)) return false;
  // The drop-down's own stepping goes from the item last picked, which a
  // typed or restored text is not.
  const int item = SteppedItem(*Combo1, step, separators_);
  const QString before = Combo1->currentText();
  if (Combo1->currentIndex() != item) Combo1->setCurrentIndex(item);
  SetCombo1Text(Combo1->itemText(item));
  // A step is a pick from the list.
  if (Combo1->currentText() != before) Combo1_Click();
  return true;
}

}  // namespace tallowmere::app
