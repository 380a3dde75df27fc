#pragma once
// The distribution window's page of the normal Q-Q plot, with the two tests
// of normality under it: Shapiro-Wilk's W and D'Agostino and Pearson's K²,
// each with its plain reading as the analyser words it.
#include <QImage>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <optional>
#include <span>

#include "app/DistributionPicture.h"
#include "app/QQPicture.h"
#include "numtext/Separators.h"
#include "results/ResultModel.h"
#include "stats/NormalityTest.h"

class QLabel;

namespace tallowmere::app {

// The two tests' results of one analysis.
struct NormalityResults {
  stats::NormalityTest shapiroWilk;
  stats::NormalityTest omnibus;
};

// Both tests of `sorted` (ascending). `mean`, when known, saves K² a pass
// over the numbers.
NormalityResults NormalityOf(std::span<const double> sorted, std::optional<double> mean);

// The tests as the page shows them, a line each: "Shapiro-Wilk: W = 0.9712,
// p = 0.781 — no evidence against normality at 5 %", or the test's reason
// for having no answer.
QStringList NormalityLines(const NormalityResults& results, const numtext::Separators& separators);

// The plot on screen; it takes the focus so that keyboard users reach it
// and hear its description.
class QQView final : public QWidget {
 public:
  explicit QQView(QWidget* parent);
  void SetFigure(const QQFigure* figure, PictureStyle style);
  // Called after each change of size (the page thins its points to it).
  void OnResized(std::function<void()> resized) { resized_ = std::move(resized); }
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  const QQFigure* figure_ = nullptr;
  PictureStyle style_;
  std::function<void()> resized_;
};

class QQPage final : public QWidget {
  Q_OBJECT

 public:
  QQPage(numtext::Separators separators, QWidget* parent);

  // Shows the analysis of `sorted`; nothing is worked out again when these
  // are the numbers shown already. The page holds on to them (shared, not
  // copied) until Forget, to thin the plot afresh when it is resized.
  void Show(const results::SortedNumbers& sorted, std::optional<double> mean);
  // Lets go of the numbers; the plot and the tests stay as they are.
  void Forget();

  // The plot at the view's size and pixel ratio; with a title, the title
  // over it and the tests' lines under it.
  QImage PictureImage(const QString& title) const;
  // Writes the plot (the same sheet) as PNG or SVG of at least `smallest`.
  QString WritePicture(const QString& path, bool svg, QSize smallest, const QString& title) const;

  // What Ctrl+C copies where the tests' lines have the focus: the text
  // selected in them, or else both lines.
  QString TestsText() const;

  const QQFigure& Figure() const { return figure_; }
  const QStringList& Lines() const { return lines_; }
  QQView* View() const { return view_; }
  QLabel* Tests() const { return tests_; }
  // The analyses worked out so far (the tests and the plot's points).
  int Analyses() const { return analyses_; }

 private:
  // About two points a pixel across the plot.
  std::size_t MostPoints() const;
  void Thin();
  void Describe();
  PictureStyle Style() const;
  QQSheet Sheet(const QString& title) const;

  numtext::Separators separators_;
  results::SortedNumbers sorted_;
  QQFigure figure_;
  QStringList lines_;
  std::size_t thinnedFor_ = 0;
  int analyses_ = 0;
  QQView* view_ = nullptr;
  QLabel* tests_ = nullptr;
};

}  // namespace tallowmere::app
