#include "app/DistributionLink.h"

#include <QCoreApplication>
#include <QScreen>
#include <algorithm>

#include "platform/Dialogs.h"

namespace tallowmere::app {

DistributionLink::DistributionLink(DistributionHost host) : QObject(&host.mainWindow), host_(std::move(host)) {}

DistributionLink::~DistributionLink() { delete window_.data(); }

namespace {

// Beside the main window where the screen has room (right, else left),
// else where the window system puts it.
void PlaceBeside(QWidget& window, const QWidget& mainWindow) {
  const QScreen* screen = mainWindow.screen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  const QRect main = mainWindow.window()->frameGeometry();
  const QSize size = window.sizeHint().boundedTo(area.size());
  window.resize(size);
  const int gap = 8;
  int x = main.right() + 1 + gap;
  if (x + size.width() > area.right() + 1) x = main.left() - gap - size.width();
  if (x < area.left()) return;
  const int y = std::clamp(main.top(), area.top(), area.bottom() + 1 - size.height());
  window.move(x, y);
}

}  // namespace

void DistributionLink::Show() {
  if (!host_.analysed()) {
    if (!host_.dialogs.Question(QCoreApplication::translate("DistributionLink", kOfferAnalysisQuestion))) return;
    host_.runAnalysis();
    // An empty list refuses the run; it has said so.
    if (!host_.analysed()) return;
  }
  if (!window_) {
    // A window of its own (no parent): it has its own place in the task bar
    // and stays usable beside the main window.
    window_ = new DistributionWindow(host_.dialogs, host_.settings, host_.separators);
    window_->setWindowIcon(host_.mainWindow.windowIcon());
    ShowLastAnalysis();
    PlaceBeside(*window_, host_.mainWindow);
  } else if (analysisWaiting_) {
    ShowLastAnalysis();
  }
  window_->show();
  window_->raise();
  window_->activateWindow();
}

void DistributionLink::ShowLastAnalysis() {
  analysisWaiting_ = false;
  DistributionSource source = host_.source();
  // The list's rows are no longer the entries analysed: their texts are
  // not to be shown as theirs.
  if (listChanged_) source.list.text = nullptr;
  window_->ShowAnalysis(std::move(source));
  if (listChanged_) window_->ListChanged();
}

void DistributionLink::AnalysisStarting() {
  if (window_) window_->ForgetNumbers();
}

void DistributionLink::AnalysisFinished() {
  listChanged_ = false;
  if (!window_ || !host_.analysed()) return;
  // A closed window is kept, hidden: its table, Q-Q tests and outliers are
  // worked out when it is shown again, not after every run meanwhile.
  if (!window_->isVisible()) {
    analysisWaiting_ = true;
    return;
  }
  analysisWaiting_ = false;
  window_->ShowAnalysis(host_.source());
}

void DistributionLink::ListChanged() {
  listChanged_ = true;
  if (window_) window_->ListChanged();
}

}  // namespace tallowmere::app
