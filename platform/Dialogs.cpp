#include "platform/Dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QWidget>
#include <limits>

namespace tallowmere::platform {

namespace {

QString& TitleStore() {
  static QString title;
  return title;
}

// The program's box texts break lines at CR LF and also at a lone CR (the
// error report ends its location line with CR CR, and that text is what users
// copy into their reports: see docs/compatibility.md, Error reports); Qt
// only knows LF.
QString WithLineBreaks(const QString& text) {
  QString t = text;
  t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return t;
}

void ShowBox(QMessageBox::Icon icon, const QString& caption, const QString& text, QWidget* parent) {
  QMessageBox box(icon, caption, WithLineBreaks(text), QMessageBox::Ok, parent);
  // Texts carry file names and failure descriptions; never let them be read
  // as markup.
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(QMessageBox::Ok);
  box.setEscapeButton(QMessageBox::Ok);
  box.exec();
}

}  // namespace

bool Dialogs::Question(const QString&) { return false; }

QString Dialogs::SaveFileConfirmed(const QString& title, const QStringList& filters, QString& chosenFilter) {
  chosenFilter = filters.value(0);
  return SaveFile(title, filters);
}

SystemDialogs::SystemDialogs(QWidget* mainWindow) : mainWindow_(mainWindow) {}

QWidget* SystemDialogs::Parent() const {
  // The active window alone is not enough: where the window system does not
  // say which window is active (Wayland), a box without a parent opens
  // wherever the compositor puts it, away from the window it belongs to.
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  if (QWidget* active = QApplication::activeWindow()) return active;
  return mainWindow_.data();
}

void SystemDialogs::Message(const QString& text) { ShowBox(QMessageBox::NoIcon, ApplicationTitle(), text, Parent()); }

void SystemDialogs::ErrorReport(const QString& text) {
  ShowBox(QMessageBox::Warning, QCoreApplication::translate("Dialogs", "Application Error"), text, Parent());
}

QString SystemDialogs::Input(const QString& prompt) {
  QInputDialog dialog(Parent());
  dialog.setWindowTitle(ApplicationTitle());
  dialog.setLabelText(prompt);
  dialog.setInputMode(QInputDialog::TextInput);
  dialog.setTextEchoMode(QLineEdit::Normal);
  // A long pasted series must arrive whole: the edit field's own limit of
  // 32,767 characters would cut it without a word.
  for (QLineEdit* edit : dialog.findChildren<QLineEdit*>()) edit->setMaxLength(std::numeric_limits<int>::max());
  return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

QStringList SystemDialogs::OpenFiles(const QString& title, const QStringList& filters) {
  return QFileDialog::getOpenFileNames(Parent(), title, QString(), filters.join(QLatin1String(";;")));
}

QString SystemDialogs::SaveFile(const QString& title, const QStringList& filters) {
  // The save command overwrites without asking and adds no extension.
  return QFileDialog::getSaveFileName(Parent(), title, QString(), filters.join(QLatin1String(";;")), nullptr,
                                      QFileDialog::DontConfirmOverwrite);
}

bool SystemDialogs::Question(const QString& text) {
  QMessageBox box(QMessageBox::Question, ApplicationTitle(), WithLineBreaks(text), QMessageBox::Yes | QMessageBox::No,
                  Parent());
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(QMessageBox::Yes);
  box.setEscapeButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

QString SystemDialogs::SaveFileConfirmed(const QString& title, const QStringList& filters, QString& chosenFilter) {
  chosenFilter = filters.value(0);
  return QFileDialog::getSaveFileName(Parent(), title, QString(), filters.join(QLatin1String(";;")), &chosenFilter);
}

QString ApplicationTitle() { return TitleStore(); }

void SetApplicationTitleText(const QString& title) { TitleStore() = title; }

}  // namespace tallowmere::platform
