#include "app/CompareWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

#include "app/CompareModel.h"
#include "app/CompareWorkbook.h"
#include "app/DistributionWindow.h"
#include "platform/Clipboard.h"
#include "platform/Dialogs.h"
#include "platform/TickBoxStyle.h"
#include "platform/WholeFile.h"

namespace tallowmere::app {

namespace {

constexpr const char* kPictureName = QT_TRANSLATE_NOOP("CompareWindow", "Box plots");
constexpr const char* kUnnamedColumn = QT_TRANSLATE_NOOP("CompareWindow", "Column %1");
// The smallest picture a file gets, whatever the window's size.
constexpr QSize kSmallestSaved(640, 240);

QString Tr(const char* text) { return QCoreApplication::translate("CompareWindow", text); }

std::optional<double> EngineValue(const results::Results& results, std::string_view key) {
  const results::ResultRow* row = results.Find(key);
  if (!row || row->value.kind != results::ResultValue::Kind::kNumber) return std::nullopt;
  return row->value.engine;
}

QString Shown(const results::Results& results, std::string_view key) {
  const results::ResultRow* row = results.Find(key);
  return row ? QString::fromStdString(row->valueText) : QString();
}

// Each list's picture, from the run's sorted numbers and its raw mean and
// standard deviation, as the distribution window makes its own.
std::vector<CompareFigure> FiguresOf(const results::CompareTable& table) {
  std::vector<CompareList> lists;
  for (std::size_t i = 0; i < table.Columns().size(); ++i) {
    const results::Results& results = table.ResultsOf(i);
    lists.push_back({.heading = QString::fromStdString(table.Columns()[i].heading),
                     .sorted = results.sorted.View(),
                     .mean = EngineValue(results, "mean"),
                     .standardDeviation = EngineValue(results, "standard_deviation"),
                     .meanText = Shown(results, "mean"),
                     .medianText = Shown(results, "median")});
  }
  return MakeCompareFigures(lists);
}

}  // namespace

std::vector<results::CompareColumn> CompareColumnsOf(std::vector<input::ColumnEntries> blocks,
                                                     const numtext::Separators& separators) {
  return results::CompareColumnsOf(std::move(blocks), separators, Tr(kUnnamedColumn).toStdString());
}

QSize CompareTableView::viewportSizeHint() const {
  QSize hint = QTableView::viewportSizeHint();
  const QHeaderView* titles = verticalHeader();
  if (!titles->isHidden()) hint.rwidth() += std::max(titles->sizeHint().width() - titles->width(), 0);
  return hint;
}

ComparePictureView::ComparePictureView(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setAccessibleName(Tr(kPictureName));
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void ComparePictureView::SetFigures(const std::vector<CompareFigure>* figures, numtext::Separators separators,
                                    CompareView view) {
  figures_ = figures;
  separators_ = std::move(separators);
  view_ = view;
  setAccessibleDescription(figures_ ? ComparisonDescription(*figures_, separators_, view_) : QString());
  update();
}

QSize ComparePictureView::sizeHint() const {
  const int line = fontMetrics().height();
  const int lists = std::clamp(figures_ ? static_cast<int>(figures_->size()) : 1, 1, 8);
  return {line * 42, view_ == CompareView::kHistograms ? line * std::min(lists * 16, 48) : line * (3 + lists * 3)};
}

QSize ComparePictureView::minimumSizeHint() const {
  const int line = fontMetrics().height();
  // A histogram needs room for its legend, bars, box and axis.
  const int lists = std::clamp(figures_ ? static_cast<int>(figures_->size()) : 1, 1, 4);
  return {line * 18, view_ == CompareView::kHistograms ? line * 9 * lists : line * 8};
}

void ComparePictureView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (figures_) DrawComparison(painter, QRectF(rect()), *figures_, font(), separators_, view_);
  if (hasFocus()) {
    // The sheet is white in every theme: the focus mark is drawn in the ink.
    painter.setPen(QPen(QColor(0x20, 0x20, 0x20), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(1, 1, -2, -2));
  }
}

CompareWindow::CompareWindow(CompareHost host, std::vector<results::CompareColumn> columns, QWidget* parent)
    : QWidget(parent, Qt::Window),
      host_(std::move(host)),
      model_(new CompareModel(std::move(columns), host_.separators, this)) {
  setWindowTitle(Tr(kCompareTitle));
  BuildTable();
  view_ = new ComparePictureView(this);
  BuildButtons();
  ConnectKeys();
  LayOut();
  model_->Analyse(host_.options());
  Refresh();
  GrowToFit();
}

void CompareWindow::GrowToFit() {
  // The layout works out the new size hint when it is next activated.
  if (layout()) layout()->activate();
  const QScreen* screen = this->screen();
  if (screen) resize(size().expandedTo(sizeHint()).boundedTo(screen->availableGeometry().size()));
}

CompareWindow::~CompareWindow() = default;

void CompareWindow::BuildTable() {
  table_ = new CompareTableView(this);
  table_->setModel(model_);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  table_->setTabKeyNavigation(false);
  table_->setWordWrap(false);
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  // As large as its cells where the screen has room: every statistic at a
  // glance.
  table_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
  table_->setAccessibleName(tr("Statistics of each list"));
  table_->setAccessibleDescription(tr("A column per list and a row per statistic. Ctrl+C copies the whole table."));
}

void CompareWindow::BuildButtons() {
  copyTable_ = new QPushButton(tr("Copy as &Table"), this);
  copyTable_->setToolTip(tr("Put the table on the clipboard, its cells separated by tabs (Ctrl+C)"));
  saveTable_ = new QPushButton(tr("Sa&ve Table…"), this);
  saveTable_->setToolTip(tr("Save the table as a CSV file or an Excel workbook (Ctrl+S)"));
  choiceLabel_ = new QLabel(tr("&List:"), this);
  choice_ = new QComboBox(this);
  for (const results::CompareColumn& column : model_->Table().Columns())
    choice_->addItem(QString::fromStdString(column.heading));
  choice_->setAccessibleName(tr("List to send"));
  choiceLabel_->setBuddy(choice_);
  send_ = new QPushButton(tr("Se&nd to Number List"), this);
  send_->setToolTip(tr("Append the chosen list's numbers to the main window's number list"));
  histograms_ = new QCheckBox(tr("&Histograms"), this);
  platform::MakeTickBoxesReadable(*histograms_);
  histograms_->setToolTip(tr("Show each list's histogram over the same span, with its box plot"));
  histograms_->setAccessibleName(tr("Histograms"));
  connect(histograms_, &QCheckBox::toggled, this, [this] {
    Refresh();
    view_->updateGeometry();
    GrowToFit();
  });
  copyPicture_ = new QPushButton(tr("&Copy Picture"), this);
  copyPicture_->setToolTip(tr("Put the picture on the clipboard as an image"));
  savePicture_ = new QPushButton(tr("&Save Picture…"), this);
  savePicture_->setToolTip(tr("Save the picture as a PNG or SVG file"));
  for (QPushButton* button : {copyTable_, saveTable_, send_, copyPicture_, savePicture_}) {
    button->setAutoDefault(false);
    button->setAccessibleName(button->text().remove(QLatin1Char('&')));
  }
  connect(copyTable_, &QPushButton::clicked, this, [this] { CopyAsTable(); });
  connect(saveTable_, &QPushButton::clicked, this, [this] { SaveTable(); });
  connect(send_, &QPushButton::clicked, this, [this] { SendToList(); });
  connect(copyPicture_, &QPushButton::clicked, this, [this] { CopyPicture(); });
  connect(savePicture_, &QPushButton::clicked, this, [this] { SavePicture(); });
}

void CompareWindow::ConnectKeys() {
  connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this, [this] { CopyAsTable(); });
  connect(new QShortcut(QKeySequence::Save, this), &QShortcut::activated, this, [this] { SaveTable(); });
  connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, [this] { close(); });
}

void CompareWindow::LayOut() {
  auto* tableButtons = new QHBoxLayout;
  tableButtons->addWidget(copyTable_);
  tableButtons->addWidget(saveTable_);
  tableButtons->addStretch(1);
  tableButtons->addWidget(choiceLabel_);
  tableButtons->addWidget(choice_);
  tableButtons->addWidget(send_);
  auto* pictureButtons = new QHBoxLayout;
  pictureButtons->addWidget(histograms_);
  pictureButtons->addStretch(1);
  pictureButtons->addWidget(copyPicture_);
  pictureButtons->addWidget(savePicture_);
  auto* layout = new QVBoxLayout(this);
  // The table keeps the height of its rows where it can; the picture takes
  // what is left.
  layout->addWidget(table_, 0);
  layout->addLayout(tableButtons);
  layout->addWidget(view_, 1);
  layout->addLayout(pictureButtons);
  setTabOrder(table_, copyTable_);
  setTabOrder(copyTable_, saveTable_);
  setTabOrder(saveTable_, choice_);
  setTabOrder(choice_, send_);
  setTabOrder(send_, view_);
  setTabOrder(view_, histograms_);
  setTabOrder(histograms_, copyPicture_);
  setTabOrder(copyPicture_, savePicture_);
}

void CompareWindow::OptionsChanged() {
  if (model_->Analyse(host_.options())) Refresh();
}

void CompareWindow::Refresh() {
  figures_ = FiguresOf(model_->Table());
  view_->SetFigures(&figures_, host_.separators, View());
}

CompareView CompareWindow::View() const {
  return histograms_->isChecked() ? CompareView::kHistograms : CompareView::kBoxPlots;
}

QString CompareWindow::Corner() const { return tr("Statistic"); }

QString CompareWindow::TableText() const {
  return QString::fromStdString(model_->Table().TabText(Corner().toStdString(), model_->Labels()));
}

void CompareWindow::CopyAsTable() { platform::ClipboardSetText(TableText()); }

void CompareWindow::SaveTable() {
  QString filter;
  const QString xlsxFilter = Tr(kXlsxFilter);
  QStringList filters = {Tr(kCsvFilter)};
  if (CanWriteCompareWorkbook()) filters << xlsxFilter;
  QString path = host_.dialogs.SaveFileConfirmed(tr("Save Table"), filters, filter);
  if (path.isEmpty()) return;
  const QString suffix = QFileInfo(path).suffix().toLower();
  bool workbook = CanWriteCompareWorkbook() && suffix == QLatin1String("xlsx");
  if (suffix != QLatin1String("csv") && !workbook) {
    // No known extension: the one of the filter chosen.
    workbook = CanWriteCompareWorkbook() && filter == xlsxFilter;
    path += workbook ? QStringLiteral(".xlsx") : QStringLiteral(".csv");
  }
  const QString reason =
      workbook ? WriteCompareWorkbook(path, model_->Table(), Corner().toStdString(), model_->Labels()) : WriteCsv(path);
  if (!reason.isEmpty()) host_.dialogs.Message(tr("The table could not be saved as\n%1\n%2").arg(path, reason));
}

QString CompareWindow::WriteCsv(const QString& path) const {
  platform::WholeFileWriter file(path);
  const std::string csv = model_->Table().CsvText(Corner().toStdString(), model_->Labels());
  if (file.Open() && file.Write(QByteArray::fromStdString(csv)) && file.Commit()) return QString();
  return file.Reason();
}

void CompareWindow::SendToList() {
  const int chosen = choice_->currentIndex();
  if (chosen < 0) return;
  if (!host_.sendToList(model_->Table().NumberTexts(static_cast<std::size_t>(chosen))))
    host_.dialogs.Message(Tr(kListBusyMessage));
}

QImage CompareWindow::PictureImage() const {
  return ComparisonImage(figures_, view_->size(), view_->devicePixelRatioF(), view_->font(), host_.separators, View());
}

void CompareWindow::CopyPicture() { platform::ClipboardSetImage(PictureImage()); }

void CompareWindow::SavePicture() {
  QString filter;
  const QString pngFilter = QCoreApplication::translate("DistributionWindow", kPngFilter);
  const QString svgFilter = QCoreApplication::translate("DistributionWindow", kSvgFilter);
  QString path = host_.dialogs.SaveFileConfirmed(tr("Save Picture"), {pngFilter, svgFilter}, filter);
  if (path.isEmpty()) return;
  const QString suffix = QFileInfo(path).suffix().toLower();
  bool svg = suffix == QLatin1String("svg");
  if (!svg && suffix != QLatin1String("png")) {
    // No known extension: the one of the filter chosen.
    svg = filter == svgFilter;
    path += svg ? QStringLiteral(".svg") : QStringLiteral(".png");
  }
  const QSize size = view_->size().expandedTo(kSmallestSaved);
  const QString reason = WriteComparisonPicture(path, svg, figures_, size, view_->font(), host_.separators, View());
  if (!reason.isEmpty()) host_.dialogs.Message(tr("The picture could not be saved as\n%1\n%2").arg(path, reason));
}

}  // namespace tallowmere::app
