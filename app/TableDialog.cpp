#include "app/TableDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include "app/TickListAccessible.h"
#include "input/TextEncoding.h"
#include "platform/TickBoxStyle.h"

namespace tallowmere::app {

namespace {

// The delimiters offered by name; the last item takes the one typed beside it.
struct NamedDelimiter {
  const char* text;
  char delimiter;
};
constexpr NamedDelimiter kDelimiters[] = {
    {QT_TRANSLATE_NOOP("TableDialog", "Comma"), ','},
    {QT_TRANSLATE_NOOP("TableDialog", "Semicolon"), ';'},
    {QT_TRANSLATE_NOOP("TableDialog", "Tab"), '\t'},
    {"|", '|'},
};
constexpr int kOtherDelimiter = 4;

// The encodings offered, by name.
struct NamedEncoding {
  const char* text;
  input::TextForm form;
};
constexpr NamedEncoding kEncodings[] = {
    {"UTF-8", input::TextForm::kUtf8},
    {QT_TRANSLATE_NOOP("TableDialog", "UTF-16 (little-endian)"), input::TextForm::kUtf16Le},
    {QT_TRANSLATE_NOOP("TableDialog", "UTF-16 (big-endian)"), input::TextForm::kUtf16Be},
    {QT_TRANSLATE_NOOP("TableDialog", "UTF-32 (little-endian)"), input::TextForm::kUtf32Le},
    {QT_TRANSLATE_NOOP("TableDialog", "UTF-32 (big-endian)"), input::TextForm::kUtf32Be},
    {QT_TRANSLATE_NOOP("TableDialog", "Western (Windows-1252)"), input::TextForm::kWindows1252},
};

constexpr input::DecimalConvention kConventions[] = {
    input::DecimalConvention::kUndecided, input::DecimalConvention::kPoint, input::DecimalConvention::kComma};

QString Tr(const char* text) { return QCoreApplication::translate("TableDialog", text); }

QLabel* BuddyLabel(const char* text, QWidget* buddy) {
  auto* label = new QLabel(Tr(text));
  label->setBuddy(buddy);
  QString name = label->text();
  buddy->setAccessibleName(name.remove(QLatin1Char('&')).remove(QLatin1Char(':')));
  return label;
}

}  // namespace

TableDialog::TableDialog(const QString& path, TableStart start, numtext::Separators user, QWidget* parent)
    : QDialog(parent), path_(path), start_(std::move(start)), user_(std::move(user)) {
  Init();
  ShowEncoding(input::DetectTextForm(start_.bytes, start_.whole));
  ShowLayout(input::GuessTableLayout(start_.bytes, start_.whole, user_, ChosenEncoding()));
  Repreview();
}

TableDialog::TableDialog(const QString& name, std::shared_ptr<const std::string> text, numtext::Separators user,
                         QWidget* parent)
    : QDialog(parent), path_(name), start_(HeldTextStart(*text)), text_(std::move(text)), user_(std::move(user)) {
  Init();
  // The text came as characters, which it holds in UTF-8: no other
  // encoding can read it as it was meant.
  ShowEncoding(input::TextForm::kUtf8);
  encoding_->setEnabled(false);
  ShowLayout(input::GuessTableLayout(start_.bytes, start_.whole, user_, ChosenEncoding()));
  Repreview();
}

TableDialog::TableDialog(const QString& path, std::unique_ptr<input::Spreadsheet> book, numtext::Separators user,
                         QWidget* parent)
    : QDialog(parent), path_(path), book_(std::move(book)), user_(std::move(user)) {
  Init();
  {
    const QSignalBlocker quiet(sheet_);
    for (const std::string& name : book_->Names()) sheet_->addItem(QString::fromStdString(name));
  }
  sheet_->setEnabled(true);
  {
    const QSignalBlocker quiet(encoding_);
    encoding_->setCurrentIndex(-1);
  }
  encoding_->setEnabled(false);
  delimiter_->setEnabled(false);
  other_->setEnabled(false);
  DelimiterChanged();
}

void TableDialog::Init() {
  setWindowTitle(Tr(QT_TRANSLATE_NOOP("TableDialog", "Open Table")));
  BuildControls();
  LayOut();
  Connect();
}

std::vector<input::SampleRow> TableDialog::Rows() const {
  if (!book_) return PreviewRows(start_, ChosenDelimiter(), ChosenEncoding());
  const int sheet = sheet_->currentIndex();
  return sheet < 0 ? std::vector<input::SampleRow>() : SheetRows(*book_, static_cast<std::size_t>(sheet));
}

void TableDialog::BuildControls() {
  encoding_ = new QComboBox(this);
  for (const NamedEncoding& e : kEncodings) encoding_->addItem(Tr(e.text));
  delimiter_ = new QComboBox(this);
  for (const NamedDelimiter& d : kDelimiters) delimiter_->addItem(Tr(d.text));
  delimiter_->addItem(Tr(QT_TRANSLATE_NOOP("TableDialog", "Other")));
  other_ = new QLineEdit(this);
  other_->setMaxLength(1);
  other_->setMaximumWidth(other_->fontMetrics().horizontalAdvance(QStringLiteral("MMMM")));
  other_->setAccessibleName(Tr(QT_TRANSLATE_NOOP("TableDialog", "Other delimiter")));
  header_ = new QCheckBox(Tr(QT_TRANSLATE_NOOP("TableDialog", "First row is a &header")), this);
  header_->setAccessibleName(Tr(QT_TRANSLATE_NOOP("TableDialog", "First row is a header")));
  decimal_ = new QComboBox(this);
  decimal_->addItem(
      Tr(QT_TRANSLATE_NOOP("TableDialog", "As in this locale (%1)")).arg(QString::fromStdString(user_.decimal)));
  decimal_->addItem(Tr(QT_TRANSLATE_NOOP("TableDialog", "Point (61.5)")));
  decimal_->addItem(Tr(QT_TRANSLATE_NOOP("TableDialog", "Comma (61,5)")));
  sheet_ = new QComboBox(this);
  sheet_->setEnabled(false);
  model_ = new TablePreviewModel(this);
  preview_ = new QTableView(this);
  preview_->setModel(model_);
  preview_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  preview_->setTabKeyNavigation(false);
  // Rows as high as their text: more of them show.
  preview_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  preview_->setAccessibleName(Tr(QT_TRANSLATE_NOOP("TableDialog", "Preview")));
  columnModel_ = new QStandardItemModel(this);
  columns_ = new QTableView(this);
  columns_->setModel(columnModel_);
  columns_->horizontalHeader()->hide();
  columns_->verticalHeader()->hide();
  columns_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  columns_->horizontalHeader()->setStretchLastSection(true);
  columns_->setShowGrid(false);
  columns_->setTabKeyNavigation(false);
  columns_->setSelectionBehavior(QAbstractItemView::SelectRows);
  columns_->setSelectionMode(QAbstractItemView::SingleSelection);
  columns_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  // Readers hear each row as a check box, and each tick as it changes.
  MakeTickList(*columns_);
  // Unticked boxes show under a dark theme too.
  platform::MakeTickBoxesReadable(*columns_);
  platform::MakeTickBoxesReadable(*header_);
  split_ = new QComboBox(this);
}

void TableDialog::LayOut() {
  auto* settings = new QGridLayout;
  settings->addWidget(BuddyLabel(QT_TRANSLATE_NOOP("TableDialog", "E&ncoding:"), encoding_), 0, 0);
  settings->addWidget(encoding_, 0, 1, 1, 2);
  settings->addWidget(BuddyLabel(QT_TRANSLATE_NOOP("TableDialog", "&Delimiter:"), delimiter_), 1, 0);
  settings->addWidget(delimiter_, 1, 1);
  settings->addWidget(other_, 1, 2);
  settings->addWidget(BuddyLabel(QT_TRANSLATE_NOOP("TableDialog", "D&ecimal separator:"), decimal_), 2, 0);
  settings->addWidget(decimal_, 2, 1, 1, 2);
  settings->addWidget(header_, 3, 0, 1, 3);
  settings->addWidget(BuddyLabel(QT_TRANSLATE_NOOP("TableDialog", "Shee&t:"), sheet_), 4, 0);
  settings->addWidget(sheet_, 4, 1, 1, 2);
  settings->setColumnStretch(3, 1);

  auto* choice = new QGridLayout;
  choice->addWidget(BuddyLabel(QT_TRANSLATE_NOOP("TableDialog", "Co&lumns:"), columns_), 0, 0);
  choice->addWidget(columns_, 1, 0, 3, 1);
  choice->addWidget(BuddyLabel(QT_TRANSLATE_NOOP("TableDialog", "&Split by:"), split_), 0, 1);
  choice->addWidget(split_, 1, 1);
  choice->setRowStretch(3, 1);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
  open_ = buttons->addButton(Tr(QT_TRANSLATE_NOOP("TableDialog", "&Open")), QDialogButtonBox::AcceptRole);
  open_->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* file = new QLabel(text_ ? path_ : QFileInfo(path_).fileName(), this);
  file->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* all = new QVBoxLayout(this);
  all->addWidget(file);
  all->addLayout(settings);
  all->addWidget(BuddyLabel(QT_TRANSLATE_NOOP("TableDialog", "Pre&view:"), preview_));
  // The rows matter most; the column names need a few lines.
  all->addWidget(preview_, 2);
  all->addLayout(choice, 1);
  all->addWidget(buttons);
  resize(640, 560);
}

void TableDialog::Connect() {
  connect(encoding_, &QComboBox::currentIndexChanged, this, [this] { EncodingChanged(); });
  connect(delimiter_, &QComboBox::currentIndexChanged, this, [this] {
    other_->setEnabled(delimiter_->currentIndex() == kOtherDelimiter);
    DelimiterChanged();
  });
  connect(other_, &QLineEdit::textChanged, this, [this] { DelimiterChanged(); });
  connect(header_, &QCheckBox::toggled, this, [this] { Repreview(); });
  connect(sheet_, &QComboBox::currentIndexChanged, this, [this] { DelimiterChanged(); });
  connect(columnModel_, &QStandardItemModel::itemChanged, this, [this] { RefreshOpen(); });
}

void TableDialog::ShowLayout(const input::TableLayout& layout) {
  const QSignalBlocker d(delimiter_), o(other_);
  int index = 0;  // a table of one column: the comma splits it as little as any
  if (layout.delimiter) {
    index = kOtherDelimiter;
    for (int i = 0; i < kOtherDelimiter; ++i)
      if (kDelimiters[i].delimiter == *layout.delimiter) index = i;
    if (index == kOtherDelimiter) other_->setText(QString(QLatin1Char(*layout.delimiter)));
  }
  delimiter_->setCurrentIndex(index);
  other_->setEnabled(index == kOtherDelimiter);
  ShowGuesses(layout.header, layout.decimal);
}

void TableDialog::ShowGuesses(bool header, input::DecimalConvention decimal) {
  const QSignalBlocker h(header_), c(decimal_);
  header_->setChecked(header);
  const auto* found = std::find(std::begin(kConventions), std::end(kConventions), decimal);
  decimal_->setCurrentIndex(static_cast<int>(found - std::begin(kConventions)));
}

std::optional<char> TableDialog::ChosenDelimiter() const {
  const int index = delimiter_->currentIndex();
  if (index >= 0 && index < kOtherDelimiter) return kDelimiters[index].delimiter;
  const QString typed = other_->text();
  if (typed.size() == 1 && typed.front().unicode() > 0x20 && typed.front().unicode() < 0x7F)
    return typed.front().toLatin1();
  return std::nullopt;
}

std::optional<input::TextForm> TableDialog::ChosenEncoding() const {
  const int index = encoding_->currentIndex();
  if (book_ || index < 0 || index >= static_cast<int>(std::size(kEncodings))) return std::nullopt;
  return kEncodings[index].form;
}

void TableDialog::ShowEncoding(input::TextForm form) {
  const QSignalBlocker quiet(encoding_);
  for (int i = 0; i < static_cast<int>(std::size(kEncodings)); ++i)
    if (kEncodings[i].form == form) encoding_->setCurrentIndex(i);
}

void TableDialog::EncodingChanged() {
  if (book_) return;
  ShowLayout(input::GuessTableLayout(start_.bytes, start_.whole, user_, ChosenEncoding()));
  Repreview();
}

void TableDialog::DelimiterChanged() {
  std::vector<input::SampleRow> rows = Rows();
  const bool header = input::GuessHeader(rows, user_);
  ShowGuesses(header, input::GuessDecimal(rows, header));
  Repreview(std::move(rows));
}

void TableDialog::Repreview() { Repreview(Rows()); }

void TableDialog::Repreview(std::vector<input::SampleRow> rows) {
  rows_ = std::move(rows);
  model_->SetRows(rows_, header_->isChecked());
  preview_->resizeColumnsToContents();
  RefillColumns();
}

void TableDialog::RefillColumns() {
  const QStringList names = ColumnNames(rows_, header_->isChecked());
  std::vector<bool> ticked(static_cast<std::size_t>(names.size()), false);
  for (int i = 0; i < columnModel_->rowCount() && i < names.size(); ++i)
    ticked[static_cast<std::size_t>(i)] = columnModel_->item(i)->checkState() == Qt::Checked;
  columnModel_->clear();
  for (int i = 0; i < names.size(); ++i) {
    auto* item = new QStandardItem(names[i]);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(ticked[static_cast<std::size_t>(i)] ? Qt::Checked : Qt::Unchecked);
    columnModel_->appendRow(item);
  }
  if (columnModel_->rowCount() > 0) columns_->setCurrentIndex(columnModel_->index(0, 0));
  const int split = split_->currentIndex();
  split_->clear();
  split_->addItem(Tr(QT_TRANSLATE_NOOP("TableDialog", "(none)")));
  split_->addItems(names);
  split_->setCurrentIndex(split >= 0 && split < split_->count() ? split : 0);
  RefreshOpen();
}

void TableDialog::RefreshOpen() {
  bool any = false;
  for (int i = 0; i < columnModel_->rowCount(); ++i) any = any || columnModel_->item(i)->checkState() == Qt::Checked;
  if (open_) open_->setEnabled(any && (book_ || ChosenDelimiter().has_value()));
}

TableChoice TableDialog::Choice() const {
  TableChoice choice;
  if (text_)
    choice.text = text_;
  else
    choice.path = QFile::encodeName(path_).toStdString();
  if (book_)
    choice.sheet = static_cast<std::size_t>(std::max(sheet_->currentIndex(), 0));
  else
    choice.layout.delimiter = ChosenDelimiter();
  choice.encoding = ChosenEncoding();
  choice.layout.header = header_->isChecked();
  const int decimal = decimal_->currentIndex();
  choice.layout.decimal = decimal >= 0 && decimal < 3 ? kConventions[decimal] : input::DecimalConvention::kUndecided;
  for (int i = 0; i < columnModel_->rowCount(); ++i) {
    if (columnModel_->item(i)->checkState() != Qt::Checked) continue;
    choice.columns.push_back(static_cast<std::size_t>(i));
    choice.names.push_back(columnModel_->item(i)->text().toStdString());
  }
  if (split_->currentIndex() > 0) choice.group = static_cast<std::size_t>(split_->currentIndex() - 1);
  return choice;
}

}  // namespace tallowmere::app
