#include "platform/Dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QWidget>

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

QWidget* DialogParent() { return QApplication::activeWindow(); }

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
    bool ok = false;
    const QString answer =
        QInputDialog::getText(DialogParent(), ApplicationTitle(), prompt, QLineEdit::Normal, QString(), &ok);
    return ok ? answer : QString();
  }

  QStringList OpenFiles(const QString& title, const QStringList& filters) override {
    return QFileDialog::getOpenFileNames(DialogParent(), title, QString(), filters.join(QLatin1String(";;")));
  }

  QString SaveFile(const QString& title, const QStringList& filters) override {
    // The save command overwrites without asking and adds no extension.
    return QFileDialog::getSaveFileName(DialogParent(), title, QString(), filters.join(QLatin1String(";;")),
                                        nullptr, QFileDialog::DontConfirmOverwrite);
  }
};

Dialogs* g_installed = nullptr;

}  // namespace

Dialogs& CurrentDialogs() {
  static QtDialogs real;
  return g_installed ? *g_installed : real;
}

void SetDialogs(Dialogs* dialogs) { g_installed = dialogs; }

QString ApplicationTitle() { return TitleStore(); }

void SetApplicationTitleText(const QString& title) { TitleStore() = title; }
