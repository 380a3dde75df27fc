#pragma once
// The dialogs of "Load Numbers From File" as one load sees them: the files
// it opens are either those the user picks in the open dialog or ones given
// beforehand (a recent file), and which they were is remembered, so that the
// window can note them as recent. Everything else goes to the real dialogs.
#include <QStringList>

#include "platform/Dialogs.h"

namespace tallowmere::app {

class ChosenFiles final : public platform::Dialogs {
 public:
  // `given`: the files to open without asking; empty asks the user.
  ChosenFiles(platform::Dialogs& dialogs, QStringList given) : dialogs_(dialogs), given_(std::move(given)) {}
  const QStringList& Chosen() const { return chosen_; }

  void Message(const QString& text) override { dialogs_.Message(text); }
  void ErrorReport(const QString& text) override { dialogs_.ErrorReport(text); }
  QString Input(const QString& prompt) override { return dialogs_.Input(prompt); }
  QStringList OpenFiles(const QString& title, const QStringList& filters) override {
    chosen_ = given_.isEmpty() ? dialogs_.OpenFiles(title, filters) : given_;
    return chosen_;
  }
  QString SaveFile(const QString& title, const QStringList& filters) override {
    return dialogs_.SaveFile(title, filters);
  }
  bool Question(const QString& text) override { return dialogs_.Question(text); }
  QString SaveFileConfirmed(const QString& title, const QStringList& filters, QString& chosenFilter) override {
    return dialogs_.SaveFileConfirmed(title, filters, chosenFilter);
  }

 private:
  platform::Dialogs& dialogs_;
  QStringList given_;
  QStringList chosen_;
};

}  // namespace tallowmere::app
