// The per-user settings store over an INI file in a redirected folder, and the
// boolean and integer readings of stored texts.
#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "platform/SettingsStore.h"
#include "stats/Arithmetic.h"
#include "stats/NumberText.h"

namespace {

class SettingsStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.path());
  }
  QString IniPath() const { return dir_.path() + "/Brindlecote.ini"; }
  QTemporaryDir dir_;
};

TEST_F(SettingsStoreTest, AbsentKeyGivesTheDefault) {
  EXPECT_EQ(GetSetting(kSettingsApplication, kSettingsSection, "Combo1", "3"), "3");
  EXPECT_FALSE(QFile::exists(IniPath()));
}

TEST_F(SettingsStoreTest, TextsComeBackExactlyAsWritten) {
  for (const QString& text : {QString("True"), QString(""), QString("abc"), QString("1,5"), QString(" 2 "),
                              QString("@odd;=\"value\""), QString::fromUtf8("\xc3\xa9t\xc3\xa9")}) {
    SaveSetting(kSettingsApplication, kSettingsSection, "Combo1", text);
    EXPECT_EQ(GetSetting(kSettingsApplication, kSettingsSection, "Combo1", "3"), text);
  }
}

TEST_F(SettingsStoreTest, WritesAreOnDiskBeforeTheyReturn) {
  SaveSetting(kSettingsApplication, kSettingsSection, "Option1", "False");
  QFile f(IniPath());
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QByteArray content = f.readAll();
  EXPECT_TRUE(content.contains("[Tallowmere]")) << content.constData();
  EXPECT_TRUE(content.contains("Option1=False")) << content.constData();
}

TEST_F(SettingsStoreTest, HandEditedListValueReadsAsItsText) {
  QFile f(IniPath());
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("[Tallowmere]\nCombo1=1,2\n");
  f.close();
  EXPECT_EQ(GetSetting(kSettingsApplication, kSettingsSection, "Combo1", "3"), "1,2");
}

TEST_F(SettingsStoreTest, CorruptFileGivesDefaults) {
  QFile f(IniPath());
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("\x00\xff[[[garbage\n=\n\x01", 16);
  f.close();
  EXPECT_EQ(GetSetting(kSettingsApplication, kSettingsSection, "Check1", "0"), "0");
}

TEST(SettingsReadings, Boolean) {
  struct Case {
    const char* text;
    bool value;
  };
  for (const Case& c :
       {Case{"True", true}, Case{"False", false}, Case{"true", true}, Case{"FALSE", false}, Case{"1", true},
        Case{"0", false}, Case{"-1", true}, Case{"0.0", false}, Case{"2.5", true}, Case{" 0 ", false}}) {
    EXPECT_EQ(ReadBoolean(c.text, {".", ","}), c.value) << c.text;
  }
  for (const char* bad : {"", "yes", "Truth", "abc", "1x"}) {
    EXPECT_THROW(ReadBoolean(bad, {".", ","}), ArithmeticError) << bad;
  }
}

TEST(SettingsReadings, Integer16) {
  struct Case {
    const char* text;
    int value;
  };
  for (const Case& c : {Case{"0", 0}, Case{"1", 1}, Case{"-32768", -32768}, Case{"32767", 32767}, Case{"2.5", 2},
                        Case{"3.5", 4}, Case{" 1 ", 1}}) {
    EXPECT_EQ(ReadInteger16(c.text, {".", ","}), c.value) << c.text;
  }
  for (const char* bad : {"", "abc", "True", "32768", "-32769", "1E10"}) {
    EXPECT_THROW(ReadInteger16(bad, {".", ","}), ArithmeticError) << bad;
  }
}

}  // namespace
