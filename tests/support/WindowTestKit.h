#pragma once
// A fixture for tests of the main window: settings in a private folder, a
// private program folder (no skin, no pointer files unless a test puts them
// there), scripted dialogs, and helpers that act on the window as a user.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "app/Form1.h"
#include "input/NumberListModel.h"
#include "numtext/NumberText.h"
#include "platform/SettingsStore.h"
#include "platform/Spreadsheet.h"
#include "results/Analysis.h"
#include "stats/Statistics.h"
#include "tests/support/FakeDialogs.h"

namespace windowtest {

// The main window's controls, found by their object names as a user's
// tools find them.
struct Controls {
  explicit Controls(const QWidget& form) : form_(form) {}
  template <class T>
  T* Find(const char* name) const {
    T* control = form_.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
  }
  const QWidget& form_;
  QTableView* const ListView1 = Find<QTableView>("ListView1");
  QPushButton* const PushButton3 = Find<QPushButton>("PushButton3");
  QPushButton* const PushButton6 = Find<QPushButton>("PushButton6");
  QPushButton* const PushButton1 = Find<QPushButton>("PushButton1");
  QPushButton* const PushButton2 = Find<QPushButton>("PushButton2");
  QGroupBox* const Frame1 = Find<QGroupBox>("Frame1");
  QRadioButton* const Option1 = Find<QRadioButton>("Option1");
  QRadioButton* const Option2 = Find<QRadioButton>("Option2");
  QGroupBox* const Frame2 = Find<QGroupBox>("Frame2");
  QLabel* const Label1 = Find<QLabel>("Label1");
  QComboBox* const Combo1 = Find<QComboBox>("Combo1");
  QCheckBox* const Check1 = Find<QCheckBox>("Check1");
  QPushButton* const PushButton7 = Find<QPushButton>("PushButton7");
  QTableView* const ListView2 = Find<QTableView>("ListView2");
  QPushButton* const PushButton4 = Find<QPushButton>("PushButton4");
  QPushButton* const PushButton13 = Find<QPushButton>("PushButton13");
  QPushButton* const PushButton5 = Find<QPushButton>("PushButton5");
  QPushButton* const PushButton8 = Find<QPushButton>("PushButton8");
};

inline const QString kAbsent = QStringLiteral("<absent>");

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(settingsDir_.isValid());
    ASSERT_TRUE(programDir_.isValid());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir_.path());
  }
  void TearDown() override {
    form_.reset();
    qApp->setStyleSheet(QString());
  }

  static void Store(const char* key, const QString& text) {
    namespace platform = tallowmere::platform;
    EXPECT_EQ(platform::SaveSetting(platform::kSettingsApplication, platform::kSettingsSection,
                                    QString::fromLatin1(key), text),
              platform::SettingsFailure::kNone)
        << key;
  }
  static QString Stored(const char* key) {
    namespace platform = tallowmere::platform;
    return platform::GetSetting(platform::kSettingsApplication, platform::kSettingsSection, QString::fromLatin1(key),
                                kAbsent);
  }

  QString ProgramFile(const QString& name) const { return programDir_.path() + QLatin1Char('/') + name; }
  void WriteProgramFile(const QString& name, const QByteArray& bytes) const {
    const QString path = ProgramFile(name);
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
  }
  // The pointer images the build places next to the executables.
  void CopyShippedFile(const QString& name) const {
    QFile::remove(ProgramFile(name));
    ASSERT_TRUE(QFile::copy(QCoreApplication::applicationDirPath() + QLatin1Char('/') + name, ProgramFile(name)));
  }

  // `separators`: the user's locale, English unless a test says otherwise.
  tallowmere::app::Form1& Open(tallowmere::numtext::Separators separators = {".", ","}) {
    form_ = std::make_unique<tallowmere::app::Form1>(
        std::move(separators), programDir_.path(),
        tallowmere::app::FormServices{.dialogs = &dialogs_,
                                      .spreadsheet = [this] { return tallowmere::platform::Start(spreadsheet_); }});
    return *form_;
  }
  // Shown and active, for tests that need real input or focus.
  tallowmere::app::Form1& OpenShown(tallowmere::numtext::Separators separators = {".", ","}) {
    Open(std::move(separators));
    form_->show();
    form_->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
    QApplication::setActiveWindow(form_.get());
    return *form_;
  }
  tallowmere::app::Form1& form() { return *form_; }

  void AddEntries(const std::vector<std::string>& texts) {
    for (const std::string& t : texts) form_->NumberList().Append(t);
    form_->NumberList().Flush();
    QApplication::processEvents();  // the views lay the new rows out
  }
  std::vector<std::string> Entries() const {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < form_->NumberList().Count(); ++i) out.emplace_back(form_->NumberList().Text(i));
    return out;
  }
  // Rows in the results list as if a run had added them, showing these lines.
  void ShowResultLines(const std::vector<std::string>& lines) {
    tallowmere::results::Results shown;
    for (const std::string& line : lines)
      shown.rows.push_back({.key = "", .label = "", .value = {}, .valueText = line});
    form_->ResultsModel()->ShowRowsOf(shown);
  }
  QStringList ResultRows() const {
    QStringList rows;
    const tallowmere::results::ResultListModel* m = form_->ResultsModel();
    for (int r = 0; r < m->rowCount(); ++r) rows << m->index(r).data(Qt::DisplayRole).toString();
    return rows;
  }

  QTemporaryDir settingsDir_;
  QTemporaryDir programDir_;
  // The spreadsheet application the window starts: the real one unless a
  // test gives a fake's factory.
  void UseSpreadsheet(tallowmere::platform::Factory factory) { spreadsheet_ = std::move(factory); }

  FakeDialogs dialogs_;
  tallowmere::platform::Factory spreadsheet_;
  std::unique_ptr<tallowmere::app::Form1> form_;
};

// A pointer movement over `widget` at `pos`, delivered the way the window
// system delivers it (through the application, so filters, tracking and
// propagation rules apply).
inline void MoveOver(QWidget* widget, QPoint pos, Qt::MouseButtons buttons = Qt::NoButton) {
  QMouseEvent move(QEvent::MouseMove, QPointF(pos), QPointF(widget->mapToGlobal(pos)), Qt::NoButton, buttons,
                   Qt::NoModifier);
  QApplication::sendEvent(widget, &move);
}

}  // namespace windowtest
