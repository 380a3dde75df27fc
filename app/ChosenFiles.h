#pragma once
// The dialogs of "Load Numbers From File" as one load sees them: the files
// it opens are either those the user picks in the open dialog or ones given
// beforehand (a recent file), and which they were is remembered, so that the
// window can note them as recent. Everything else goes to the real dialogs.
#include <QStringList>

#include "platform/Dialogs.h"

namespace tallowmere::app {

class ChosenFiles final : public platform::ForwardingDialogs {
 public:
  // `given`: the files to open without asking; empty asks the user.
  ChosenFiles(platform::Dialogs& dialogs, QStringList given) : ForwardingDialogs(dialogs), given_(std::move(given)) {}
  const QStringList& Chosen() const { return chosen_; }

  QStringList OpenFiles(const QString& title, const QStringList& filters) override {
    chosen_ = given_.isEmpty() ? ForwardingDialogs::OpenFiles(title, filters) : given_;
    return chosen_;
  }

 private:
  QStringList given_;
  QStringList chosen_;
};

}  // namespace tallowmere::app
