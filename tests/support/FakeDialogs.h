#pragma once
// A scripted stand-in for the program's dialogs: answers are queued by the
// test, and every box, prompt and file dialog that the program shows is
// recorded with the caption it would have carried.
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <utility>
#include <vector>

#include "platform/Dialogs.h"

class FakeDialogs final : public tallowmere::platform::Dialogs {
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

  // Each dialog below sits with how a test scripts its answers (queued
  // answers are used in order; an empty queue answers as Cancel would) and
  // how it reads what was shown.

  // Notices and error reports are only recorded.
  void Message(const QString& text) override;
  QStringList Messages() const;
  void ErrorReport(const QString& text) override;
  QStringList ErrorReports() const;

  QString Input(const QString& prompt) override;
  void QueueInput(const QString& answer) { inputs_.push_back(answer); }
  QStringList Prompts() const;

  // Questions answer No unless a Yes is queued.
  bool Question(const QString& text) override;
  void QueueQuestion(bool yes) { questions_.push_back(yes); }
  QStringList Questions() const;

  QStringList OpenFiles(const QString& title, const QStringList& filters) override;
  void QueueOpenFiles(const QStringList& files) { openFiles_.push_back(files); }
  QString SaveFile(const QString& title, const QStringList& filters) override;
  void QueueSaveFile(const QString& path) { saveFiles_.push_back(path); }
  // Answers as SaveFile does (from the same queue), reporting as chosen the
  // queued filter, else the first one.
  QString SaveFileConfirmed(const QString& title, const QStringList& filters, QString& chosenFilter) override;
  void QueueChosenFilter(const QString& filter) { chosenFilters_.push_back(filter); }
  // The filters passed to the last open or save dialog.
  const QStringList& LastFilters() const { return lastFilters_; }

  // Runs while a dialog is "open" (after it was recorded): lets a test act
  // the way a user could while the dialog is up.
  void OnShow(std::function<void(const Shown&)> hook) { showHook_ = std::move(hook); }

  const std::vector<Shown>& AllShown() const { return shown_; }
  std::vector<QString> Texts(Kind kind) const;
  void Clear() { shown_.clear(); }

 private:
  void Record(Kind kind, const QString& caption, const QString& text);
  std::vector<Shown> shown_;
  std::deque<QString> inputs_;
  std::deque<QStringList> openFiles_;
  std::deque<QString> saveFiles_;
  std::deque<QString> chosenFilters_;
  std::deque<bool> questions_;
  QStringList lastFilters_;
  std::function<void(const Shown&)> showHook_;
};
