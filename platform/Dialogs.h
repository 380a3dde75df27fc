#pragma once
// Every dialog the program shows goes through this interface, handed down in
// the host structs, so tests can script the answers and read what was shown.
// The system's dialogs show modal boxes with the application title as
// caption; CR LF and CR CR inside a text show as line breaks.
#include <QPointer>
#include <QString>
#include <QStringList>

class QWidget;

namespace tallowmere::platform {

// The filters of the open and save dialogs for list files and result files.
inline constexpr const char* kTextFilesFilter = QT_TRANSLATE_NOOP("Dialogs", "Text Files (*.txt)");
inline constexpr const char* kAllFilesFilter = QT_TRANSLATE_NOOP("Dialogs", "All Files (*)");
// Tables, opened in the table dialog.
inline constexpr const char* kTablesFilter = QT_TRANSLATE_NOOP("Dialogs", "Tables (*.csv *.tsv *.ods *.xlsx)");

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // A notice: OK only, no icon, the application title as caption.
  virtual void Message(const QString& text) = 0;
  // The "Application Error" box: warning icon, OK only.
  virtual void ErrorReport(const QString& text) = 0;
  // The one-line input prompt: the application title, the prompt, no default.
  // Cancel gives the empty text.
  virtual QString Input(const QString& prompt) = 0;
  // The open dialog, several files allowed: the chosen paths in the dialog's
  // order; empty when cancelled.
  virtual QStringList OpenFiles(const QString& title, const QStringList& filters) = 0;
  // The save dialog: the chosen path, or empty when cancelled.
  virtual QString SaveFile(const QString& title, const QStringList& filters) = 0;
  // A question: Yes and No, Yes the default, the application title as
  // caption; true for Yes. Stand-ins that script no answer decline.
  virtual bool Question(const QString& text);
  // A save dialog that asks before replacing a file and tells which filter
  // was chosen (`chosenFilter`, one of `filters`), so the caller can add the
  // extension it names. Stand-ins answer as SaveFile does, with the first
  // filter.
  virtual QString SaveFileConfirmed(const QString& title, const QStringList& filters, QString& chosenFilter);
};

// Dialogs that hand every call on to others: the base of those that change
// one call and leave the rest as they are.
class ForwardingDialogs : public Dialogs {
 public:
  explicit ForwardingDialogs(Dialogs& dialogs) : dialogs_(dialogs) {}
  void Message(const QString& text) override { dialogs_.Message(text); }
  void ErrorReport(const QString& text) override { dialogs_.ErrorReport(text); }
  QString Input(const QString& prompt) override { return dialogs_.Input(prompt); }
  QStringList OpenFiles(const QString& title, const QStringList& filters) override {
    return dialogs_.OpenFiles(title, filters);
  }
  QString SaveFile(const QString& title, const QStringList& filters) override {
    return dialogs_.SaveFile(title, filters);
  }
  bool Question(const QString& text) override { return dialogs_.Question(text); }
  QString SaveFileConfirmed(const QString& title, const QStringList& filters, QString& chosenFilter) override {
    return dialogs_.SaveFileConfirmed(title, filters, chosenFilter);
  }

 private:
  Dialogs& dialogs_;
};

// The real dialogs: Qt's boxes and file dialogs, over the box already open,
// else over the active window, else over `mainWindow` (where no window of the
// program is active, or known to be: Wayland does not tell).
class SystemDialogs final : public Dialogs {
 public:
  explicit SystemDialogs(QWidget* mainWindow = nullptr);
  void Message(const QString& text) override;
  void ErrorReport(const QString& text) override;
  QString Input(const QString& prompt) override;
  QStringList OpenFiles(const QString& title, const QStringList& filters) override;
  QString SaveFile(const QString& title, const QStringList& filters) override;
  bool Question(const QString& text) override;
  QString SaveFileConfirmed(const QString& title, const QStringList& filters, QString& chosenFilter) override;

 private:
  QWidget* Parent() const;
  QPointer<QWidget> mainWindow_;
};

// The application title shown as the caption of boxes without one of their own.
QString ApplicationTitle();
void SetApplicationTitleText(const QString& title);

}  // namespace tallowmere::platform
