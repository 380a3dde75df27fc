#include "app/DistributionWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolTip>
#include <QVBoxLayout>
#include <algorithm>
#include <initializer_list>

#include "app/OutlierPage.h"
#include "app/PictureParts.h"
#include "platform/Clipboard.h"
#include "platform/Dialogs.h"
#include "platform/SettingsStore.h"

namespace tallowmere::app {

namespace {

constexpr const char* kPictureName = QT_TRANSLATE_NOOP("DistributionWindow", "Distribution picture");

// A value in words wider than this many average characters is cut short in
// the table (its whole text in its tool tip and in every copy), so that the
// method's long name or a reason does not crowd out the picture. Numbers
// are always shown whole.
constexpr int kWidestValueCharacters = 18;

// The smallest picture a file gets, whatever the window's size.
constexpr QSize kSmallestSaved(640, 420);

}  // namespace

DistributionView::DistributionView(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setAccessibleName(QCoreApplication::translate("DistributionWindow", kPictureName));
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void DistributionView::SetFigure(const DistributionFigure* figure, PictureStyle style) {
  figure_ = figure;
  style_ = std::move(style);
  update();
}

QSize DistributionView::sizeHint() const {
  const int line = fontMetrics().height();
  return {line * 42, line * 26};
}

QSize DistributionView::minimumSizeHint() const {
  const int line = fontMetrics().height();
  return {line * 18, line * 12};
}

QString DistributionView::ToolTipAt(QPointF point) const {
  if (!figure_) return QString();
  const QFontMetricsF metrics(style_.font, this);
  const std::optional<std::size_t> bin = BinUnder(QRectF(rect()), *figure_, style_, metrics, point);
  return bin ? BinText(*figure_, *bin, style_.separators) : QString();
}

bool DistributionView::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QWidget::event(event);
  const auto* help = static_cast<QHelpEvent*>(event);
  const QString text = ToolTipAt(help->pos());
  if (text.isEmpty()) {
    QToolTip::hideText();
    event->ignore();
  } else {
    QToolTip::showText(help->globalPos(), text, this);
  }
  return true;
}

void DistributionView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (figure_) DrawDistribution(painter, QRectF(rect()), *figure_, style_);
  if (hasFocus()) {
    // The sheet is white in every theme: the focus mark is drawn in the ink.
    painter.setPen(QPen(QColor(0x20, 0x20, 0x20), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(1, 1, -2, -2));
  }
}

DistributionWindow::DistributionWindow(platform::Dialogs& dialogs, platform::SettingsStore& settings,
                                       numtext::Separators separators, QWidget* parent)
    : QWidget(parent, Qt::Window),
      dialogs_(dialogs),
      settings_(settings),
      separators_(std::move(separators)),
      rows_(separators_) {
  setWindowTitle(QCoreApplication::translate("DistributionWindow", kDistributionTitle));
  setAttribute(Qt::WA_DeleteOnClose, false);
  BuildControls();
  RestoreOptions();
  Redraw();
}

void DistributionWindow::RestoreOptions() {
  bool read = false;
  const int stored = settings_.Get(QString::fromLatin1(kDistributionBinsKey), QStringLiteral("0")).toInt(&read);
  // A stored count out of range or no number at all means automatic.
  bins_->setValue(read && stored >= 1 && stored <= kMostBins ? stored : 0);
  const bool without = settings_.Get(QString::fromLatin1(kDistributionRangeKey), QStringLiteral("All")) ==
                       QLatin1String("WithoutOutliers");
  range_->setCurrentIndex(without ? 1 : 0);
  const auto on = [this](const char* key) {
    return settings_.Get(QString::fromLatin1(key), QStringLiteral("0")) == QLatin1String("1");
  };
  logarithmic_->setChecked(on(kDistributionLogarithmicKey));
  titled_->setChecked(on(kDistributionTitledKey));
  connect(bins_, &QSpinBox::valueChanged, this, [this](int bins) { BinsChanged(bins); });
  connect(range_, &QComboBox::currentIndexChanged, this, [this](int index) {
    settings_.Save(QString::fromLatin1(kDistributionRangeKey),
                   index == 1 ? QStringLiteral("WithoutOutliers") : QStringLiteral("All"));
    Redraw();
  });
  const auto keep = [this](const char* key) {
    return [this, key](bool checked) {
      settings_.Save(QString::fromLatin1(key), checked ? QStringLiteral("1") : QStringLiteral("0"));
      Redraw();
    };
  };
  connect(logarithmic_, &QCheckBox::toggled, this, keep(kDistributionLogarithmicKey));
  connect(titled_, &QCheckBox::toggled, this, keep(kDistributionTitledKey));
  method_ = tableOptions_->Method();
  connect(tableOptions_, &StatisticsOptions::methodChanged, this, [this] {
    method_ = tableOptions_->Method();
    RefreshTable();
    Redraw();
  });
  connect(tableOptions_, &StatisticsOptions::tableChanged, this, [this] { RefreshTable(); });
}

void DistributionWindow::BuildControls() {
  notice_ = new QLabel(QCoreApplication::translate("DistributionWindow", kListChangedNotice), this);
  notice_->setWordWrap(true);
  notice_->setFrameShape(QFrame::StyledPanel);
  notice_->setMargin(4);
  notice_->setAccessibleName(tr("Notice"));
  notice_->hide();

  BuildViews();
  BuildTable();
  BuildPictureControls();
  BuildViewControls();
  tableOptions_ = new StatisticsOptions(settings_, separators_, this);
  ConnectKeys();
  LayOut();
}

void DistributionWindow::BuildViews() {
  views_ = new QTabWidget(this);
  views_->setDocumentMode(true);
  view_ = new DistributionView(views_);
  views_->addTab(view_, tr("&Histogram"));
  qq_ = new QQPage(separators_, views_);
  views_->addTab(qq_, tr("&Q-Q Plot"));
  frequencies_ = new FrequencyPage(settings_, separators_, views_);
  views_->addTab(frequencies_, tr("&Frequencies"));
  outliers_ = new OutlierPage(separators_, views_);
  views_->addTab(outliers_, tr("&Outliers"));
  views_->setAccessibleName(tr("Views"));
}

void DistributionWindow::BuildTable() {
  table_ = new QTableWidget(0, 2, this);
  table_->setHorizontalHeaderLabels({tr("Statistic"), tr("Value")});
  table_->verticalHeader()->hide();
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  table_->setTabKeyNavigation(false);
  table_->setWordWrap(false);
  // As wide as its texts: the picture takes the rest.
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
  // As tall as the picture beside it, whatever its rows: they scroll.
  table_->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Ignored);
  table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
  table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  table_->setAccessibleName(tr("Statistics"));
  table_->setAccessibleDescription(
      tr("Select rows and press Ctrl+C to copy them as name and value separated by a tab."));
  auto* copyRows = new QAction(tr("Copy"), table_);
  connect(copyRows, &QAction::triggered, this,
          [this] { platform::ClipboardSetText(TableRowsText(!table_->selectionModel()->selectedRows().isEmpty())); });
  table_->addAction(copyRows);
  table_->setContextMenuPolicy(Qt::ActionsContextMenu);
}

void DistributionWindow::BuildPictureControls() {
  binsLabel_ = new QLabel(tr("&Bins:"), this);
  bins_ = new QSpinBox(this);
  bins_->setRange(0, kMostBins);
  // Wide enough for the longest text it will show.
  bins_->setSpecialValueText(tr("Automatic (%1)").arg(kMostBins));
  bins_->setMinimumWidth(bins_->sizeHint().width());
  bins_->setSpecialValueText(tr("Automatic"));
  bins_->setAccelerated(true);
  bins_->setAccessibleName(tr("Number of bins"));
  bins_->setAccessibleDescription(tr("The histogram's bins, 1 to 500; below 1 the count is chosen from the numbers."));
  binsLabel_->setBuddy(bins_);
  copy_ = new QPushButton(tr("&Copy Picture"), this);
  copy_->setToolTip(tr("Put the picture on the clipboard as an image (Ctrl+C)"));
  save_ = new QPushButton(tr("&Save Picture…"), this);
  save_->setToolTip(tr("Save the picture as a PNG or SVG file (Ctrl+S)"));
  for (QPushButton* button : {copy_, save_}) button->setAutoDefault(false);
  connect(copy_, &QPushButton::clicked, this, [this] { CopyPicture(); });
  connect(save_, &QPushButton::clicked, this, [this] { SavePicture(); });
}

void DistributionWindow::BuildViewControls() {
  rangeLabel_ = new QLabel(tr("&Range:"), this);
  range_ = new QComboBox(this);
  range_->addItem(tr("All values"));
  range_->addItem(tr("Without outliers"));
  range_->setAccessibleName(tr("Range"));
  range_->setAccessibleDescription(
      tr("Without outliers, the histogram spans the numbers within 1.5 interquartile ranges of the box."));
  rangeLabel_->setBuddy(range_);
  logarithmic_ = new QCheckBox(tr("&Logarithmic axis"), this);
  logarithmic_->setToolTip(tr("Bins of equal width in the logarithm; for positive numbers only"));
  titled_ = new QCheckBox(tr("&Include title and statistics"), this);
  titled_->setToolTip(tr("Copy and save the picture with a title over it and the statistics under it"));
}

void DistributionWindow::ConnectKeys() {
  // Ctrl+C copies the table's selected rows where the focus is in the table
  // with rows selected, the tests' text where it has the focus, and the
  // picture anywhere else.
  auto* copyKey = new QShortcut(QKeySequence::Copy, this);
  connect(copyKey, &QShortcut::activated, this, [this] {
    if (table_->hasFocus() && !table_->selectionModel()->selectedRows().isEmpty())
      platform::ClipboardSetText(TableRowsText(true));
    else if (qq_->Tests()->hasFocus())
      platform::ClipboardSetText(qq_->TestsText());
    else
      CopyPicture();
  });
  connect(new QShortcut(QKeySequence::Save, this), &QShortcut::activated, this, [this] { SavePicture(); });
  connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, [this] { close(); });
}

void DistributionWindow::LayOut() {
  auto* options = new QHBoxLayout;
  options->addWidget(binsLabel_);
  options->addWidget(bins_);
  options->addSpacing(fontMetrics().height());
  options->addWidget(rangeLabel_);
  options->addWidget(range_);
  options->addSpacing(fontMetrics().height());
  options->addWidget(logarithmic_);
  options->addStretch(1);
  auto* controls = new QHBoxLayout;
  controls->addStretch(1);
  controls->addWidget(titled_);
  controls->addWidget(copy_);
  controls->addWidget(save_);

  auto* body = new QHBoxLayout;
  body->addWidget(views_, 3);
  body->addWidget(table_, 0);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(notice_);
  layout->addLayout(body, 1);
  layout->addLayout(options);
  layout->addWidget(tableOptions_);
  layout->addLayout(controls);

  setTabOrder(views_, view_);
  setTabOrder(view_, qq_->View());
  setTabOrder(qq_->View(), qq_->Tests());
  setTabOrder(qq_->Tests(), bins_);
  setTabOrder(bins_, range_);
  setTabOrder(range_, logarithmic_);
  QWidget* previous = logarithmic_;
  for (QWidget* next : tableOptions_->TabOrder()) {
    setTabOrder(previous, next);
    previous = next;
  }
  setTabOrder(previous, titled_);
  setTabOrder(titled_, copy_);
  setTabOrder(copy_, save_);
  setTabOrder(save_, table_);
  // Each page's controls follow the tabs, before the options under them.
  outliers_->ChainAfter(view_);
}

PictureStyle DistributionWindow::Style() const { return {font(), separators_, meanText_, medianText_}; }

FigureOptions DistributionWindow::Options() const {
  return {.bins = bins_->value(),
          .withoutOutliers = range_->currentIndex() == 1,
          .logarithmic = logarithmic_->isChecked(),
          .method = method_};
}

SheetTexts DistributionWindow::Sheet() const {
  if (!titled_->isChecked() || figure_.count == 0) return {};
  return {DistributionTitle(listName_, figure_.count), statistics_};
}

void DistributionWindow::ShowAnalysis(DistributionSource source) {
  sorted_ = source.sorted;
  mean_ = source.mean;
  standardDeviation_ = source.standardDeviation;
  meanText_ = source.meanText;
  medianText_ = source.medianText;
  listName_ = source.name;
  rows_.Take(source);
  outliers_->SetAnalysis(source.sorted, std::move(source.list));
  RefreshTable();
  notice_->hide();
  for (QWidget* option : std::initializer_list<QWidget*>{bins_, range_, tableOptions_}) option->setEnabled(true);
  logarithmic_->setEnabled(CanShowLogarithmic(sorted_.View()));
  Redraw();
}

void DistributionWindow::ForgetNumbers() {
  sorted_ = {};
  frequencies_->Forget();
  outliers_->Forget();
  qq_->Forget();
  // Until the run has finished there is nothing to bin afresh.
  for (QWidget* option : std::initializer_list<QWidget*>{bins_, range_, logarithmic_, tableOptions_})
    option->setEnabled(false);
}

void DistributionWindow::ListChanged() {
  notice_->show();
  outliers_->ListChanged();
}

bool DistributionWindow::ShowsListChanged() const { return !notice_->isHidden(); }

void DistributionWindow::BinsChanged(int bins) {
  settings_.Save(QString::fromLatin1(kDistributionBinsKey), QString::number(bins));
  Redraw();
}

void DistributionWindow::Redraw() {
  if (!sorted_.empty()) figure_ = MakeDistributionFigure(sorted_.View(), Options(), mean_, standardDeviation_);
  if (figure_.automaticBins && !figure_.bins.empty())
    bins_->setSpecialValueText(tr("Automatic (%1)").arg(figure_.bins.size()));
  view_->SetFigure(&figure_, Style());
  view_->setAccessibleDescription(DistributionDescription(figure_, separators_));
  RefreshViews();
}

void DistributionWindow::RefreshViews() {
  // The Q-Q page works out nothing again for the numbers it shows already:
  // a change of the bins leaves it as it is.
  if (!sorted_.empty()) qq_->Show(sorted_, mean_);
  frequencies_->Show(sorted_, bins_->value(), figure_);
  outliers_->Refresh(Method());
}

bool DistributionWindow::ShowsQQ() const { return views_->currentWidget() == qq_; }

void DistributionWindow::RefreshTable() {
  statistics_ = rows_.Lines(sorted_.View(), tableOptions_->Choices());
  FillTable(statistics_);
}

void DistributionWindow::FillTable(const std::vector<StatisticLine>& statistics) {
  const QFontMetrics metrics = table_->fontMetrics();
  const int widest = metrics.averageCharWidth() * kWidestValueCharacters;
  table_->setRowCount(static_cast<int>(statistics.size()));
  for (std::size_t i = 0; i < statistics.size(); ++i) {
    const int row = static_cast<int>(i);
    table_->setItem(row, 0, new QTableWidgetItem(statistics[i].name));
    auto* value = new QTableWidgetItem(statistics[i].value);
    value->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (ValueInWords(statistics[i].value) && metrics.horizontalAdvance(statistics[i].value) > widest) {
      value->setToolTip(statistics[i].value);
      value->setData(Qt::SizeHintRole, QSize(widest, table_->verticalHeader()->defaultSectionSize()));
      value->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    table_->setItem(row, 1, value);
  }
}

QString DistributionWindow::TableRowsText(bool selectedOnly) const {
  const std::size_t rows = std::min(statistics_.size(), static_cast<std::size_t>(std::max(table_->rowCount(), 0)));
  const auto selected = [&](std::size_t row) {
    return table_->selectionModel()->isRowSelected(static_cast<int>(row), QModelIndex());
  };
  bool namesMethod = false;
  for (std::size_t row = 0; row < rows; ++row)
    if ((!selectedOnly || selected(row)) && DependsOnMethod(statistics_[row].key)) namesMethod = true;
  QString text;
  for (std::size_t row = 0; row < rows; ++row) {
    const StatisticLine& line = statistics_[row];
    const bool methodRow = line.key == kMethodKey && namesMethod;
    if (selectedOnly && !selected(row) && !methodRow) continue;
    text += line.name + QLatin1Char('\t') + line.value + QLatin1Char('\n');
  }
  return text;
}

QImage DistributionWindow::PictureImage() const {
  if (ShowsQQ()) return qq_->PictureImage(Sheet().title);
  const qreal ratio = view_->devicePixelRatioF();
  const SheetTexts sheet = Sheet();
  if (sheet.title.isEmpty()) return DistributionImage(figure_, view_->size(), ratio, Style());
  return picture::PictureImage(
      SheetSize(view_->size(), sheet, font()), ratio,
      [&](QPainter& painter, const QRectF& area) { DrawDistributionSheet(painter, area, figure_, Style(), sheet); });
}

void DistributionWindow::CopyPicture() { platform::ClipboardSetImage(PictureImage()); }

void DistributionWindow::SavePicture() {
  QString filter;
  const QString svgFilter = QCoreApplication::translate("DistributionWindow", kSvgFilter);
  QString path = dialogs_.SaveFileConfirmed(
      tr("Save Picture"), {QCoreApplication::translate("DistributionWindow", kPngFilter), svgFilter}, filter);
  if (path.isEmpty()) return;
  const QString suffix = QFileInfo(path).suffix().toLower();
  bool svg = suffix == QLatin1String("svg");
  if (suffix != QLatin1String("svg") && suffix != QLatin1String("png")) {
    // No known extension: the one of the filter chosen.
    svg = filter == svgFilter;
    path += svg ? QStringLiteral(".svg") : QStringLiteral(".png");
  }
  const QSize size = view_->size().expandedTo(kSmallestSaved);
  const SheetTexts sheet = Sheet();
  const QString reason =
      ShowsQQ() ? qq_->WritePicture(path, svg, kSmallestSaved, sheet.title)
      : sheet.title.isEmpty()
          ? WriteDistributionPicture(path, svg, figure_, size, Style())
          : WriteDistributionSheet(path, svg, figure_, SheetSize(size, sheet, font()), Style(), sheet);
  if (!reason.isEmpty()) dialogs_.Message(tr("The picture could not be saved as\n%1\n%2").arg(path, reason));
}

}  // namespace tallowmere::app
