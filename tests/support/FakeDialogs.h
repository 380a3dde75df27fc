#pragma once
// A scripted stand-in for the program's dialogs: answers are queued by the
// test, and every box, prompt and file dialog that the program shows is
// recorded with the caption it would have carried.
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

#include "platform/Dialogs.h"

using namespace tallowmere;
using namespace tallowmere::platform;

class FakeDialogs final : public Dialogs {
 public:
  enum class Kind { Message, ErrorReport, Input, OpenFiles, SaveFile, Question };
  struct Shown {
    Kind kind;
    QString caption;  // the caption the real dialog would show
    QString text;     // message text, prompt, or file dialog title
  };

  // Handed down where the program takes its dialogs: the window's services
  // or a command's host struct.
  FakeDialogs() = default;
  FakeDialogs(const FakeDialogs&) = delete;
  FakeDialogs& operator=(const FakeDialogs&) = delete;

  // Queued answers, used in order. An empty queue answers as Cancel would.
  void QueueInput(const QString& answer) { inputs_.push_back(answer); }
  void QueueOpenFiles(const QStringList& files) { openFiles_.push_back(files); }
  void QueueSaveFile(const QString& path) { saveFiles_.push_back(path); }
  // The filter the next confirmed save dialog reports as chosen (the first
  // filter when none is queued).
  void QueueChosenFilter(const QString& filter) { chosenFilters_.push_back(filter); }
  // Questions answer No unless a Yes is queued.
  void QueueQuestion(bool yes) { questions_.push_back(yes); }

  // Runs while a dialog is "open" (after it was recorded): lets a test act
  // the way a user could while the dialog is up.
  void OnShow(std::function<void(const Shown&)> hook) { showHook_ = std::move(hook); }

  const std::vector<Shown>& AllShown() const { return shown_; }
  std::vector<QString> Texts(Kind kind) const;
  QStringList Messages() const;
  QStringList ErrorReports() const;
  QStringList Prompts() const;
  // The filters passed to the last open or save dialog.
  const QStringList& LastFilters() const { return lastFilters_; }
  void Clear() { shown_.clear(); }

  void Message(const QString& text) override;
  void ErrorReport(const QString& text) override;
  QString Input(const QString& prompt) override;
  QStringList OpenFiles(const QString& title, const QStringList& filters) override;
  QString SaveFile(const QString& title, const QStringList& filters) override;
  bool Question(const QString& text) override;
  QString SaveFileConfirmed(const QString& title, const QStringList& filters, QString& chosenFilter) override;
  QStringList Questions() const;

 private:
  std::vector<Shown> shown_;
  std::deque<QString> inputs_;
  std::deque<QStringList> openFiles_;
  std::deque<QString> saveFiles_;
  std::deque<QString> chosenFilters_;
  std::deque<bool> questions_;
  QStringList lastFilters_;
  void Record(Kind kind, const QString& caption, const QString& text);
  std::function<void(const Shown&)> showHook_;
};
