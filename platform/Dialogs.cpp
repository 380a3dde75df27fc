#include "platform/Dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QWidget>
#include <limits>

namespace {

QString& TitleStore() {
  static QString title;
  return title;
}

// The boxes of the original platform broke lines at CR LF and also at a lone
// CR (the error report ends its second line with CR CR); Qt only knows LF.
QString WithLineBreaks(const QString& text) {
  QString t = text;
  t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return t;
}

QPointer<QWidget>& MainWindowStore() {
  static QPointer<QWidget> window;
  return window;
}

// Over the box already open, else over the main window. The active window
// alone is not enough: where the window system does not say which window is
// active (Wayland), a box without a parent opens wherever the compositor
// puts it, away from the window it belongs to.
QWidget* DialogParent() {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  if (QWidget* active = QApplication::activeWindow()) return active;
  return MainWindowStore().data();
}

void ShowBox(QMessageBox::Icon icon, const QString& caption, const QString& text) {
  QMessageBox box(icon, caption, WithLineBreaks(text), QMessageBox::Ok, DialogParent());
  // Texts carry file names and failure descriptions; never let them be read
  // as markup.
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(QMessageBox::Ok);
  box.setEscapeButton(QMessageBox::Ok);
  box.exec();
}

class QtDialogs final : public Dialogs {
 public:
  void Message(const QString& text) override { ShowBox(QMessageBox::NoIcon, ApplicationTitle(), text); }

  void ErrorReport(const QString& text) override {
    ShowBox(QMessageBox::Warning, QStringLiteral("Application Error"), text);
  }

  QString Input(const QString& prompt) override {
    QInputDialog dialog(DialogParent());
    dialog.setWindowTitle(ApplicationTitle());
    dialog.setLabelText(prompt);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setTextEchoMode(QLineEdit::Normal);
    // A long pasted series must arrive whole: the edit field's own limit of
    // 32,767 characters would cut it without a word.
    for (QLineEdit* edit : dialog.findChildren<QLineEdit*>()) edit->setMaxLength(std::numeric_limits<int>::max());
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
  }

  QStringList OpenFiles(const QString& title, const QStringList& filters) override {
    return QFileDialog::getOpenFileNames(DialogParent(), title, QString(), filters.join(QLatin1String(";;")));
  }

  QString SaveFile(const QString& title, const QStringList& filters) override {
    // The save command overwrites without asking and adds no extension.
    return QFileDialog::getSaveFileName(DialogParent(), title, QString(), filters.join(QLatin1String(";;")), nullptr,
                                        QFileDialog::DontConfirmOverwrite);
  }

  bool Question(const QString& text) override {
    QMessageBox box(QMessageBox::Question, ApplicationTitle(), WithLineBreaks(text), QMessageBox::Yes | QMessageBox::No,
                    DialogParent());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
  }

  QString SaveFileConfirmed(const QString& title, const QStringList& filters, QString& chosenFilter) override {
    chosenFilter = filters.value(0);
    return QFileDialog::getSaveFileName(DialogParent(), title, QString(), filters.join(QLatin1String(";;")),
                                        &chosenFilter);
  }
};

Dialogs* g_installed = nullptr;

}  // namespace

bool Dialogs::Question(const QString&) { return false; }

QString Dialogs::SaveFileConfirmed(const QString& title, const QStringList& filters, QString& chosenFilter) {
  chosenFilter = filters.value(0);
  return SaveFile(title, filters);
}

Dialogs& CurrentDialogs() {
  static QtDialogs real;
  return g_installed ? *g_installed : real;
}

void SetDialogs(Dialogs* dialogs) { g_installed = dialogs; }

void SetDialogMainWindow(QWidget* window) { MainWindowStore() = window; }

QString ApplicationTitle() { return TitleStore(); }

void SetApplicationTitleText(const QString& title) { TitleStore() = title; }
