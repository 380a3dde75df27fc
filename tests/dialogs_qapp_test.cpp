// The real dialogs: what each box, prompt and file dialog looks like and
// what it answers. Each test arms a timer that acts on the modal dialog as a
// user would.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "platform/Dialogs.h"

using namespace tallowmere;
using namespace tallowmere::platform;

namespace {

// Runs `act` on the first modal dialog that appears, then lets the test go on.
void WhenModalAppears(std::function<void(QWidget*)> act) {
  auto* timer = new QTimer;
  auto* waited = new int(0);
  QObject::connect(timer, &QTimer::timeout, [timer, waited, act] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal->isVisible()) {
      timer->stop();
      timer->deleteLater();
      delete waited;
      act(modal);
      // A failed assertion inside `act` leaves the dialog up: close it, or
      // the test would wait for it forever.
      if (::testing::Test::HasFailure() && QApplication::activeModalWidget() == modal)
        if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
      return;
    }
    // A file dialog can take seconds to appear on a loaded machine; give up
    // only after a minute, so a slow dialog is never left open unattended.
    if (++*waited > 6000) {
      timer->stop();
      timer->deleteLater();
      delete waited;
      ADD_FAILURE() << "no modal dialog appeared";
    }
  });
  timer->start(10);
}

class RealDialogs : public ::testing::Test {
 protected:
  void SetUp() override { SetApplicationTitleText("Tallowmere"); }
  SystemDialogs dialogs_;
};

TEST_F(RealDialogs, MessageIsAPlainOkBoxCaptionedWithTheTitle) {
  QString title, text;
  int icon = -1;
  QMessageBox::StandardButtons buttons;
  Qt::TextFormat format = Qt::AutoText;
  WhenModalAppears([&](QWidget* w) {
    auto* box = qobject_cast<QMessageBox*>(w);
    ASSERT_NE(box, nullptr);
    title = box->windowTitle();
    text = box->text();
    icon = box->icon();
    buttons = box->standardButtons();
    format = box->textFormat();
    box->button(QMessageBox::Ok)->click();
  });
  dialogs_.Message("one\r\ntwo\r\rthree <b>four</b>");
  EXPECT_EQ(title, "Tallowmere");
  EXPECT_EQ(text, "one\ntwo\n\nthree <b>four</b>");
  EXPECT_EQ(icon, QMessageBox::NoIcon);
  EXPECT_EQ(buttons, QMessageBox::Ok);
  EXPECT_EQ(format, Qt::PlainText);  // texts are never read as markup
}

TEST_F(RealDialogs, ErrorReportCarriesItsOwnCaptionAndTheWarningIcon) {
  QString title, text;
  int icon = -1;
  WhenModalAppears([&](QWidget* w) {
    auto* box = qobject_cast<QMessageBox*>(w);
    ASSERT_NE(box, nullptr);
    title = box->windowTitle();
    text = box->text();
    icon = box->icon();
    box->button(QMessageBox::Ok)->click();
  });
  dialogs_.ErrorReport("\r\nin X at line 100\r\rPlease");
  EXPECT_EQ(title, "Application Error");
  EXPECT_EQ(icon, QMessageBox::Warning);
  EXPECT_EQ(text, "\nin X at line 100\n\nPlease");  // an empty description still breaks the line
}

// A pasted series of n pieces such as "100001,100002,...", 7 characters each.
QString Series(int pieces) {
  QStringList parts;
  for (int i = 1; i <= pieces; ++i) parts << QString::number(100000 + i);
  return parts.join(QLatin1Char(','));
}

TEST_F(RealDialogs, InputAnswersTheTextOrEmptyOnCancel) {
  const struct {
    bool accept;
    QString typed, answer;
  } cases[] = {{true, "1, 2,3", "1, 2,3"},
               {false, "1, 2,3", ""},
               {true, "", ""},
               // Long pastes come through whole (the edit field's own limit is 32,767).
               {true, Series(9000), Series(9000)},
               {true, Series(32768), Series(32768)}};
  for (const auto& c : cases) {
    QString title, label, initial;
    WhenModalAppears([&](QWidget* w) {
      auto* dialog = qobject_cast<QInputDialog*>(w);
      ASSERT_NE(dialog, nullptr);
      title = dialog->windowTitle();
      label = dialog->labelText();
      initial = dialog->textValue();
      dialog->setTextValue(c.typed);
      c.accept ? dialog->accept() : dialog->reject();
    });
    EXPECT_EQ(dialogs_.Input("Enter number or numbers (use commas):"), c.answer);
    EXPECT_EQ(title, "Tallowmere");
    EXPECT_EQ(label, "Enter number or numbers (use commas):");
    EXPECT_EQ(initial, "");
  }
}

TEST_F(RealDialogs, FileDialogsOfferTheFiltersAndReturnTheChoice) {
  QTemporaryDir dir;
  const QString a = dir.path() + "/a.txt";
  const QString b = dir.path() + "/b c.txt";
  for (const QString& p : {a, b}) {
    QFile f(p);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  }
  const QStringList filters = {"Text Files (*.txt)", "All Files (*)"};

  QStringList offered;
  QFileDialog::FileMode mode = QFileDialog::AnyFile;
  WhenModalAppears([&](QWidget* w) {
    auto* dialog = qobject_cast<QFileDialog*>(w);
    ASSERT_NE(dialog, nullptr);
    offered = dialog->nameFilters();
    mode = dialog->fileMode();
    dialog->setDirectory(dir.path());
    auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
    ASSERT_NE(name, nullptr);
    name->setText("\"a.txt\" \"b c.txt\"");
    static_cast<QDialog*>(dialog)->accept();
  });
  QStringList chosen = dialogs_.OpenFiles("Open", filters);
  chosen.sort();
  EXPECT_EQ(chosen, QStringList({a, b}));
  EXPECT_EQ(offered, filters);
  EXPECT_EQ(mode, QFileDialog::ExistingFiles);

  bool confirms = true;
  QString suffix = "x";
  WhenModalAppears([&](QWidget* w) {
    auto* dialog = qobject_cast<QFileDialog*>(w);
    ASSERT_NE(dialog, nullptr);
    confirms = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
    suffix = dialog->defaultSuffix();
    dialog->setDirectory(dir.path());
    // Typed as a user would: selectFile() goes through the dialog's file
    // model, which fills in the background and may not know the file yet.
    auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
    ASSERT_NE(name, nullptr);
    name->setText("a.txt");  // an existing file: no question, no suffix added
    static_cast<QDialog*>(dialog)->accept();
  });
  EXPECT_EQ(dialogs_.SaveFile("Save", filters), a);
  EXPECT_FALSE(confirms);
  EXPECT_EQ(suffix, "");

  WhenModalAppears([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
  EXPECT_EQ(dialogs_.SaveFile("Save", filters), "");
}

}  // namespace
