#pragma once
// The main window's side of the distribution window: opens it (offering to
// run an analysis first when none has run), hands it each finished analysis
// and tells it when the number list changes. The window is made the first
// time it is asked for and kept, hidden when closed, until the main window
// goes.
#include <QObject>
#include <QPointer>
#include <functional>

#include "app/DistributionWindow.h"

namespace tallowmere::platform {
class SettingsStore;
}

namespace tallowmere::app {

inline constexpr const char* kOfferAnalysisQuestion = QT_TRANSLATE_NOOP(
    "DistributionLink", "No analysis has been run yet. Run one now and show the distribution of its numbers?");

// What the link works with; all of it must outlive the link.
struct DistributionHost {
  QWidget& mainWindow;
  platform::Dialogs& dialogs;
  platform::SettingsStore& settings;
  numtext::Separators separators;
  // Whether an analysis has finished, and the last one's picture data.
  std::function<bool()> analysed;
  std::function<DistributionSource()> source;
  // "Start Analysis", as the button runs it.
  std::function<void()> runAnalysis;
};

class DistributionLink final : public QObject {
  Q_OBJECT

 public:
  explicit DistributionLink(DistributionHost host);
  ~DistributionLink() override;

  // "Show Distribution…" and Ctrl+D.
  void Show();
  // Around every run that reads the numbers.
  void AnalysisStarting();
  void AnalysisFinished();
  void ListChanged();
  // The window, once it was opened (else null).
  DistributionWindow* Window() const { return window_; }

 private:
  // The last analysis into the window, as the list now stands.
  void ShowLastAnalysis();

  DistributionHost host_;
  QPointer<DistributionWindow> window_;
  // The list changed since the last run (told to the window when it opens).
  bool listChanged_ = false;
  // A run finished while the window was hidden: it shows it when opened.
  bool analysisWaiting_ = false;
};

}  // namespace tallowmere::app
