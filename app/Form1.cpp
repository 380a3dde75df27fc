#include "app/Form1.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDropEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStandardItemModel>
#include <QTableView>
#include <QTimer>
#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <stdexcept>

#include "app/DistributionLink.h"
#include "app/DropProgress.h"
#include "app/FormControls.h"
#include "app/ListNotice.h"
#include "app/NumberListMenu.h"
#include "app/ResultsListMenu.h"
#include "core/ErrorReport.h"
#include "input/DropFiles.h"
#include "input/ListFile.h"
#include "input/ListHistory.h"
#include "input/LoadFilesCommand.h"
#include "input/ManualEntry.h"
#include "input/NumberListModel.h"
#include "input/PastedText.h"
#include "input/SampleNumbers.h"
#include "platform/Clipboard.h"
#include "platform/Dialogs.h"
#include "platform/DropData.h"
#include "platform/EventPump.h"
#include "platform/FontChoice.h"
#include "platform/PointerPosition.h"
#include "platform/ScreenFit.h"
#include "platform/SettingsStore.h"
#include "results/ExportCommands.h"
#include "results/Options.h"
#include "results/ResultTable.h"
#include "stats/Statistics.h"

QString ApplicationTitleFromName(const QString& productName) {
  QString title = productName;
  do {
    const qsizetype space = title.lastIndexOf(QLatin1Char(' '));
    if (space < 0) break;
    title.truncate(space);
  } while (title.size() > 40);
  return title;
}

namespace {

constexpr const char* kListDescription =
    "The numbers to analyse. Delete or a double-click removes the selected number; files dropped here add "
    "theirs, and so does text dropped or pasted (Ctrl+V).";

QFont DesignFont(const QString& family, qreal points) {
  QFont font(family);
  font.setPointSizeF(points);
  font.setBold(true);
  return font;
}

void SetBackground(QWidget* widget, const QColor& colour) {
  // Buttons (option buttons and check boxes among them) fill with the button
  // colour by default; these controls carry the background colour instead.
  widget->setBackgroundRole(QPalette::Window);
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, colour);
  // The text colour goes with the background: a theme's light window text
  // would vanish on the designed white.
  for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    if (ContrastRatio(palette.color(group, QPalette::WindowText), colour) < kReadableContrast)
      palette.setColor(group, QPalette::WindowText, TextColourOn(colour));
  }
  widget->setPalette(palette);
  // On a frame the style may tint the panel: a control there shows the panel
  // through, rather than a patch of its own colour.
  widget->setAutoFillBackground(!qobject_cast<QGroupBox*>(widget->parentWidget()));
}

void Place(QWidget* widget, int left, int top, int width, int height) {
  widget->setGeometry(Twips(left), Twips(top), Twips(width), Twips(height));
}

// A small bar chart: the program's icon, drawn rather than shipped.
// The icon the launcher and the task bar show: the installed theme's when
// there is one, else the same pictures built into the program.
QIcon ApplicationIcon() {
  QIcon embedded;
  for (int size : {16, 32, 48, 64, 128, 256})
    embedded.addFile(QStringLiteral(":/icons/%1x%1/" TALLOWMERE_APP_ID ".png").arg(size), QSize(size, size));
  return QIcon::fromTheme(QStringLiteral(TALLOWMERE_APP_ID), embedded);
}

// The report-style look shared by both lists: one column, no grid, rows of
// one height, one selected row at a time, no editing in place. A table view
// rather than a tree view: it keeps no bookkeeping per row, so a list of ten
// million entries costs little beyond their texts (a tree view spends about
// 40 bytes on every row).
void SetUpReportList(QTableView* view, QAbstractItemModel* model, const char* toolTip, const QFont& font) {
  view->setContextMenuPolicy(Qt::CustomContextMenu);
  view->setModel(model);
  view->setFont(font);
  view->setShowGrid(false);
  view->setWordWrap(false);
  view->setCornerButtonEnabled(false);
  view->setTabKeyNavigation(false);
  view->setSelectionMode(QAbstractItemView::SingleSelection);
  view->setSelectionBehavior(QAbstractItemView::SelectRows);
  view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  view->setAutoScroll(false);
  QHeaderView* rows = view->verticalHeader();
  rows->hide();
  rows->setSectionResizeMode(QHeaderView::Fixed);
  rows->setMinimumSectionSize(1);
  rows->setDefaultSectionSize(QFontMetrics(view->font()).height() + 3);
  QHeaderView* columns = view->horizontalHeader();
  columns->setStretchLastSection(false);
  columns->setSectionResizeMode(QHeaderView::Interactive);
  columns->setHighlightSections(false);
  columns->setSectionsClickable(false);
  columns->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  view->setToolTip(QString::fromUtf8(toolTip));
  view->viewport()->setMouseTracking(true);
  view->viewport()->setAttribute(Qt::WA_NoMousePropagation);
}

}  // namespace

Form1::Form1(numtext::Separators separators, const QString& programFolder, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      separators_(separators),
      analysis_(std::move(separators)),
      programFolder_(programFolder),
      settings_(QString::fromLatin1(kSettingsApplication), QString::fromLatin1(kSettingsSection)),
      pointer_(this),
      screenPointer_([this] { return PointerOnScreen(this, pointerInWindow_); }) {
  SetDialogMainWindow(this);
  BuildControls();
  // Over the number list, outside the designed layout and the tab order.
  drops_ = new DropProgress(ListView1, this);
  notice_ = new ListNotice(ListView1);
  ConnectHandlers();
  Form_Load();
  fit_ = std::make_unique<ScreenFit>(*this);
  if (QScreen* screen = QGuiApplication::primaryScreen()) PlaceOnScreen(screen->availableGeometry());
  ListView1->setFocus(Qt::OtherFocusReason);
}

Form1::~Form1() {
  // Out of the scrolling window first, which would otherwise delete this.
  fit_.reset();
  // Children die after this body; no focus notification, and no signal of a
  // control losing the focus as its siblings go, may reach a half-destroyed
  // window.
  QObject::disconnect(qApp, &QApplication::focusChanged, this, nullptr);
  for (QObject* child : findChildren<QObject*>()) child->disconnect(this);
}

// ---------------------------------------------------------------------------
// The designed window.

QPushButton* Form1::MakeButton(const char* caption, int left, int top, int width, int height) {
  auto* button = new QPushButton(QString::fromLatin1(caption), this);
  button->setFont(DesignFont(fontFamily_, kButtonPoints));
  button->setAutoDefault(false);
  button->setMouseTracking(true);
  button->setAttribute(Qt::WA_NoMousePropagation);
  Place(button, left, top, width, height);
  return button;
}

void Form1::BuildControls() {
  setFixedSize(Twips(8040), Twips(9570));
  fontFamily_ = ChooseFontFamily(InstalledFontFamilies());
  setFont(DesignFont(fontFamily_, kWindowPoints));
  // Every control inherits colours that read on the designed white, also
  // under a dark desktop theme.
  setPalette(ReadablePalette(QApplication::palette()));
  SetBackground(this, Qt::white);
  setMouseTracking(true);

  numbers_ = new NumberListModel(this);
  results_ = new QStandardItemModel(this);

  ListView1 = new ReportListView(this);
  SetUpReportList(ListView1, numbers_, kListToolTip, font());
  ListView1->setAcceptDrops(true);
  ListView1->viewport()->setAcceptDrops(true);
  Place(ListView1, 120, 90, 7800, 1815);

  PushButton3 = MakeButton("Add Number / Numbers", 120, 2010, 3840, 405);
  PushButton6 = MakeButton("Load Numbers From File", 4080, 2010, 3840, 405);
  PushButton1 = MakeButton("Clear List", 120, 2520, 3840, 405);
  PushButton2 = MakeButton("Load Sample/Example Numbers", 4080, 2520, 3840, 405);

  auto* const frame1 = new DesignFrame(QStringLiteral("Method"), this);
  Frame1 = frame1;
  Place(Frame1, 120, 3000, 3840, 1065);
  Option1 = new QRadioButton(QStringLiteral("Sample"), Frame1);
  Place(Option1, 240, 300, 1305, 240);
  Option1->setChecked(true);
  Option2 = new QRadioButton(QStringLiteral("Population"), Frame1);
  Place(Option2, 240, 650, 1665, 225);

  auto* const frame2 = new DesignFrame(QStringLiteral("Decimal Options"), this);
  Frame2 = frame2;
  Place(Frame2, 4080, 3000, 3840, 1065);
  Label1 = new QLabel(QStringLiteral("Decimal places:"), Frame2);
  Place(Label1, 240, 300, 1485, 255);
  Combo1 = new QComboBox(Frame2);
  Combo1->setEditable(true);
  // A plain editable drop-down: no completion, and a typed text never
  // becomes a list item.
  Combo1->setCompleter(nullptr);
  Combo1->setInsertPolicy(QComboBox::NoInsert);
  for (int i = 1; i <= 10; ++i) Combo1->addItem(QString::number(i));
  Combo1->setEditText(QString::fromLatin1(kDefaultDecimalPlaces));
  Place(Combo1, 1680, 255, 975, 345);
  Check1 = new QCheckBox(QStringLiteral("Show all decimals"), Frame2);
  Place(Check1, 240, 700, 1875, 225);
  // Both borders level, above the highest control in either frame.
  for (DesignFrame* frame : {frame1, frame2})
    frame->SetBorderAbove(std::min({Option1->y(), Option2->y(), Label1->y(), Combo1->y(), Check1->y()}));

  for (QWidget* w : std::initializer_list<QWidget*>{Frame1, Frame2}) {
    w->setMouseTracking(true);
    w->setAttribute(Qt::WA_NoMousePropagation);
  }
  for (QWidget* w : std::initializer_list<QWidget*>{Frame1, Frame2, Label1, Option1, Option2, Check1})
    SetBackground(w, Qt::white);

  PushButton7 = MakeButton("Start Analysis", 120, 4185, 7800, 405);

  ListView2 = new ReportListView(this);
  SetUpReportList(ListView2, results_, kResultsListToolTip, font());
  Place(ListView2, 120, 4710, 7800, 3735);

  PushButton4 = MakeButton("Save Results As Text File", 120, 8550, 3840, 405);
  PushButton13 = MakeButton("Save Results As Excel File", 4080, 8550, 3840, 405);
  PushButton5 = MakeButton("Copy Results To Clipboard", 120, 9060, 3840, 405);
  PushButton8 = MakeButton("Clear List", 4080, 9060, 3840, 405);

  // What assistive technology announces: the lists and the two "Clear List"
  // buttons by what they hold or clear, the drop-down by its label; the other
  // controls by their captions.
  ListView1->setAccessibleName(QStringLiteral("Number list"));
  ShowEntryCount();
  ListView2->setAccessibleName(QStringLiteral("Results list"));
  ListView2->setAccessibleDescription(QString::fromUtf8(kResultsListToolTip));
  PushButton1->setAccessibleName(QStringLiteral("Clear number list"));
  PushButton8->setAccessibleName(QStringLiteral("Clear results list"));
  Label1->setBuddy(Combo1);
  Combo1->setAccessibleName(QStringLiteral("Decimal places"));
  Combo1->setAccessibleDescription(
      QStringLiteral("Decimals shown in the results: pick 1 to 10, step with Up and Down, or type a number."));

  // The designed tab order; the frames and the label take no focus.
  QWidget* const order[] = {ListView1, PushButton3, PushButton6, PushButton7, PushButton1,
                            Option1,   Option2,     ListView2,   PushButton4, PushButton13,
                            Combo1,    Check1,      PushButton2, PushButton5, PushButton8};
  for (std::size_t i = 1; i < std::size(order); ++i) QWidget::setTabOrder(order[i - 1], order[i]);

  if (fontFamily_ != QLatin1String(kDesignedFontFamily)) FitCaptionFonts();

  lostFocusTimer_ = new QTimer(this);
  lostFocusTimer_->setSingleShot(true);
}

void Form1::FitCaptionFonts() {
  // The layout was measured with the designed face; a wider stand-in would
  // clip captions at the designed sizes, so each of the two sizes shrinks
  // until all the captions in it fit. The lists keep theirs: their rows
  // scroll sideways and their headers have room to spare.
  const auto fitting = [](const QFont& font, std::initializer_list<QWidget*> controls) {
    std::vector<CaptionRoom> captions;
    for (QWidget* control : controls) captions.push_back({CaptionOf(*control), CaptionRoomOf(*control)});
    return DesignFont(font.family(), FittingPointSize(font, captions));
  };
  setFont(fitting(font(), {Frame1, Option1, Option2, Frame2, Label1, Check1}));
  const QFont button = fitting(PushButton1->font(), {PushButton1, PushButton2, PushButton3, PushButton4, PushButton5,
                                                     PushButton6, PushButton7, PushButton8, PushButton13});
  for (QPushButton* b : {PushButton1, PushButton2, PushButton3, PushButton4, PushButton5, PushButton6, PushButton7,
                         PushButton8, PushButton13})
    b->setFont(button);
}

void Form1::ConnectHandlers() {
  const struct {
    QPushButton* button;
    void (Form1::*click)();
  } buttons[] = {
      {PushButton1, &Form1::PushButton1_Click},   {PushButton2, &Form1::PushButton2_Click},
      {PushButton3, &Form1::PushButton3_Click},   {PushButton4, &Form1::PushButton4_Click},
      {PushButton5, &Form1::PushButton5_Click},   {PushButton6, &Form1::PushButton6_Click},
      {PushButton7, &Form1::PushButton7_Click},   {PushButton8, &Form1::PushButton8_Click},
      {PushButton13, &Form1::PushButton13_Click},
  };
  // Watched only once every control exists: the filter looks at all of them.
  for (QObject* watched : std::initializer_list<QObject*>{ListView1->viewport(), ListView2->viewport(), Frame1, Frame2,
                                                          ListView1, ListView2, Combo1})
    watched->installEventFilter(this);
  for (const auto& b : buttons) {
    b.button->installEventFilter(this);
    const auto click = b.click;
    connect(b.button, &QPushButton::clicked, this, [this, click] { RunCommand([this, click] { (this->*click)(); }); });
  }

  // The option handlers also run when code changes a control, since the
  // start-up restores the options that way.
  connect(Option1, &QRadioButton::toggled, this, [this](bool on) {
    analysis_.Statistics().SetMethodIsSample(Option1->isChecked());
    if (on) Option1_Click();
  });
  connect(Option2, &QRadioButton::toggled, this, [this](bool on) {
    analysis_.Statistics().SetMethodIsSample(Option1->isChecked());
    if (on) Option2_Click();
  });
  connect(Check1, &QCheckBox::toggled, this, [this] { Check1_Click(); });
  // Appends reach the views in batches, so the count follows at that pace.
  connect(numbers_, &QAbstractItemModel::rowsInserted, this, [this] { ShowEntryCount(); });
  connect(numbers_, &QAbstractItemModel::rowsRemoved, this, [this] { ShowEntryCount(); });
  connect(numbers_, &QAbstractItemModel::modelReset, this, [this] { ShowEntryCount(); });
  connect(Combo1, &QComboBox::editTextChanged, this, [this] { Combo1_Change(); });
  connect(Combo1, &QComboBox::activated, this, [this] { Combo1_Click(); });

  // Leaving Combo1 counts only when the focus goes to another control of this
  // window: a box or another window taking the focus is not a leave, or the
  // complaint about the text would trigger itself again.
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
    if (!old || !now || ended_) return;
    const bool wasInCombo = old == Combo1 || Combo1->isAncestorOf(old);
    const bool nowInCombo = now == Combo1 || Combo1->isAncestorOf(now);
    if (wasInCombo && !nowInCombo && now->window() == window()) ScheduleCombo1LostFocus();
  });
  connect(lostFocusTimer_, &QTimer::timeout, this, [this] {
    if (ended_) return;
    // Let a click that moved the focus finish first; a box opened between
    // its press and its release would leave that button half pressed.
    if (QGuiApplication::mouseButtons() != Qt::NoButton) {
      lostFocusTimer_->start(10);
      return;
    }
    Combo1_LostFocus();
  });

  connect(ListView1, &QTableView::pressed, this, [this](const QModelIndex& index) { ListView1_ItemClick(index); });

  listMenu_ = new NumberListMenu(this);
  connect(listMenu_, &NumberListMenu::undoAsked, this, [this] { UndoListChange(); });
  connect(listMenu_, &NumberListMenu::redoAsked, this, [this] { RedoListChange(); });
  pasteItem_ = FillListContextMenu(*listMenu_->Menu());
  connect(ListView1, &QWidget::customContextMenuRequested, this, [this](QPoint at) { ListView1_ContextMenu(at); });
  ConnectDistribution();
}

void Form1::ConnectDistribution() {
  // The distribution window's table shows the statistics beyond the twelve.
  analysis_.SetMoreStatistics(true);
  resultsMenu_ = new ResultsListMenu(this);
  listMenu_->Menu()->addSeparator();
  listMenu_->Menu()->addAction(resultsMenu_->ShowDistributionItem());
  connect(ListView2, &QWidget::customContextMenuRequested, this, [this](QPoint at) { ListView2_ContextMenu(at); });
  connect(resultsMenu_, &ResultsListMenu::copyAsTableAsked, this, [this] { ListView2_CopyAsTable(); });
  distribution_ = new DistributionLink(
      {.mainWindow = *this,
       .settings = settings_,
       .separators = separators_,
       .analysed = [this] { return !analysis_.LastResults().sorted.empty(); },
       .source = [this] { return DistributionSourceOf(analysis_.LastResults(), analysis_.Statistics()); },
       .runAnalysis = [this] { PushButton7->click(); }});
  connect(resultsMenu_, &ResultsListMenu::showDistributionAsked, this,
          [this] { RunCommand([this] { distribution_->Show(); }); });
  // Any change of the list: appended, removed, cleared, moved or undone.
  for (const auto changed : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
    connect(numbers_, changed, distribution_, [this] { distribution_->ListChanged(); });
  connect(numbers_, &QAbstractItemModel::modelReset, distribution_, [this] { distribution_->ListChanged(); });
  connect(numbers_, &QAbstractItemModel::dataChanged, distribution_, [this] { distribution_->ListChanged(); });
}

void Form1::RunCommand(const std::function<void()>& command) {
  if (ended_) return;
  ++commandDepth_;
  struct Leave {
    int& depth;
    ~Leave() { --depth; }
  } leave{commandDepth_};
  command();
}

// ---------------------------------------------------------------------------
// Start and end.

void Form1::Form_Load() {
  Trap trap(*this, kFormLoadLocation);
  trap.Step(102, [&] { ApplySkin(); });
  const QString cursorPath = programFolder_.File(QStringLiteral("/HAND-M.CUR"));
  if (trap.Test(104, [&] { return FileExists(cursorPath.toStdString()); }))
    trap.Step(106, [&] { pointer_.SetCustomImage(LoadPointerFile(cursorPath)); });
  trap.Step(126, [&] { setWindowTitle(QString::fromLatin1(kProductName)); });
  trap.Step(126, [&] { setWindowIcon(ApplicationIcon()); });
  trap.Step(126, [&] { SetApplicationTitle(); });
  trap.Step(128, [&] { numbers_->SetHeader(QStringLiteral("Number(s)")); });
  trap.Step(130, [&] { ListView1->horizontalHeader()->resizeSection(0, Twips(7000)); });
  trap.Step(132, [&] { results_->setHorizontalHeaderLabels({QStringLiteral("Result(s)")}); });
  trap.Step(134, [&] { ListView2->horizontalHeader()->resizeSection(0, Twips(7000)); });

  trap.Step(136, [&] {
    SetOptionButton(Option1, ReadBoolean(settings_.Get(QStringLiteral("Option1"), QStringLiteral("1")), separators_));
  });
  trap.Step(138, [&] {
    SetOptionButton(Option2, ReadBoolean(settings_.Get(QStringLiteral("Option2"), QStringLiteral("0")), separators_));
  });
  trap.Step(140, [&] {
    const std::int16_t value = ReadInteger16(settings_.Get(QStringLiteral("Check1"), QStringLiteral("0")), separators_);
    if (value != 0 && value != 1) throw std::runtime_error("Invalid property value");
    Check1->setChecked(value == 1);
  });
  trap.Step(142, [&] {
    const QString places = settings_.Get(QStringLiteral("Combo1"), QString::fromLatin1(kDefaultDecimalPlaces));
    SetCombo1Text(places);
  });
  analysis_.Statistics().SetMethodIsSample(Option1->isChecked());
}

void Form1::ApplySkin() {
  const QString skinPath = programFolder_.File(QStringLiteral("/x/o.cjs"));
  if (!QFileInfo(skinPath).isFile()) return;
  const QColor buttonFace = QApplication::palette().color(QPalette::Button);
  SetBackground(this, buttonFace);
  QWidget* const controls[] = {ListView1,   PushButton3, PushButton6, PushButton1,  PushButton2, Frame1,
                               Option1,     Option2,     Frame2,      Label1,       Combo1,      Check1,
                               PushButton7, ListView2,   PushButton4, PushButton13, PushButton5, PushButton8};
  for (QWidget* control : controls) {
    if (qobject_cast<QRadioButton*>(control) || qobject_cast<QCheckBox*>(control) ||
        qobject_cast<QGroupBox*>(control) || qobject_cast<QLabel*>(control))
      SetBackground(control, buttonFace);
  }
  SkinFramework1.Load(skinPath);
  SkinFramework1.Apply(*this, SkinOptions{.dialogsFollow = true, .keepWindowSize = true});
}

void Form1::SetApplicationTitle() {
  SetApplicationTitleText(ApplicationTitleFromName(QString::fromLatin1(kProductName)));
}

void Form1::PlaceOnScreen(const QRect& area) { fit_->Place(area); }

void Form1::setVisible(bool visible) {
  QWidget::setVisible(visible);
  if (fit_) fit_->ContentShown(visible);
}

void Form1::closeEvent(QCloseEvent* event) {
  Form_Unload();
  event->accept();
}

void Form1::Form_Unload() {
  if (ended_) return;
  ended_ = true;
  lostFocusTimer_->stop();
  if (endProgram_) endProgram_();
}

// ---------------------------------------------------------------------------
// Hover pointer rules.

void Form1::ShowHoverDefault() {
  if (!pointer_.IsBusy()) pointer_.Set(WindowPointer::State::Default);
}

void Form1::ShowHoverCustom() {
  if (!pointer_.IsBusy()) pointer_.Set(WindowPointer::State::Custom);
}

void Form1::Form_MouseMove() { ShowHoverDefault(); }
void Form1::Frame1_MouseMove() { ShowHoverDefault(); }
void Form1::Frame2_MouseMove() { ShowHoverDefault(); }
void Form1::ListView2_MouseMove() { ShowHoverDefault(); }
void Form1::PushButton1_MouseMove() { ShowHoverCustom(); }
void Form1::PushButton2_MouseMove() { ShowHoverCustom(); }
void Form1::PushButton3_MouseMove() { ShowHoverCustom(); }
void Form1::PushButton4_MouseMove() { ShowHoverCustom(); }
void Form1::PushButton5_MouseMove() { ShowHoverCustom(); }
void Form1::PushButton6_MouseMove() { ShowHoverCustom(); }
void Form1::PushButton7_MouseMove() { ShowHoverCustom(); }
void Form1::PushButton8_MouseMove() { ShowHoverCustom(); }
void Form1::PushButton13_MouseMove() { ShowHoverCustom(); }

void Form1::mouseMoveEvent(QMouseEvent* event) {
  // Only the window's own background: moves over a control that does not
  // report them (an option button, the label) change nothing.
  if (!childAt(event->position().toPoint())) Form_MouseMove();
  QWidget::mouseMoveEvent(event);
}

// ---------------------------------------------------------------------------
// Commands.

void Form1::PushButton1_Click() {
  Trap trap(*this, kClearNumbersLocation);
  trap.Step(100, [&] {
    if (pointer_.IsBusy()) return;
    numbers_->Clear();
  });
}

void Form1::PushButton2_Click() {
  notice_->Dismiss();
  NumberListModel::Change change(*numbers_, kSampleNumbersStep);
  Addition added(AdditionSource::kSample);
  {
    const NumberListModel::Tallying counting(*numbers_, added.tally);
    AddSampleNumbers({*numbers_, *this});
  }
  ShowAddition(added);
}

void Form1::PushButton3_Click() {
  notice_->Dismiss();
  NumberListModel::Change change(*numbers_, kAddNumbersStep);
  Addition added(AdditionSource::kTyped);
  {
    const NumberListModel::Tallying counting(*numbers_, added.tally);
    AddTypedNumbers({CurrentDialogs(), *numbers_, *this, separators_});
  }
  // A cancelled prompt added nothing and says nothing.
  if (added.tally.appended > 0 || added.tally.skipped > 0) ShowAddition(added);
}

void Form1::PushButton4_Click() {
  SaveResultsAsTextFile({*results_, CurrentDialogs(), *this, [this](bool busy) { SetBusy(busy); }, MakeEventPump()});
}

void Form1::PushButton5_Click() {
  CopyResultsToClipboard({*results_, CurrentDialogs(), *this, [this](bool busy) { SetBusy(busy); }, MakeEventPump()});
}

void Form1::PushButton6_Click() {
  // A long file shows the drops' strip and can be stopped the same way. The
  // strip's half second counts from when the files were chosen, not from when
  // the dialog opened.
  notice_->Dismiss();
  NumberListModel::Change change(*numbers_, kLoadNumbersStep);
  Addition added(AdditionSource::kFiles);
  std::optional<NumberListModel::Tallying> counting(std::in_place, *numbers_, added.tally);
  std::optional<DropProgress::Drop> reading;
  LetEventsRun pump;
  std::function<void(const DropState&)> progress;
  auto begun = [&] {
    if (reading) return;
    reading.emplace(*drops_);
    pump = reading->EventPump();
    progress = reading->Progress();
  };
  const DropState end = LoadNumbersFromFiles({.dialogs = CurrentDialogs(),
                                              .entries = *numbers_,
                                              .errors = *this,
                                              .setBusy = [this](bool busy) { SetBusy(busy); },
                                              .separators = separators_,
                                              .letEventsRun =
                                                  [&] {
                                                    begun();
                                                    pump();
                                                  },
                                              .progress =
                                                  [&](const DropState& state) {
                                                    begun();
                                                    progress(state);
                                                  },
                                              .shouldStop = [&] { return reading && reading->ShouldStop()(); }});
  if (reading) reading->End();
  counting.reset();
  if (end.stopped)
    CurrentDialogs().Message(LoadStoppedNotice(end));
  else
    ShowFilesAddition(added, end);
}

void Form1::PushButton7_Click() {
  // An empty list is refused and leaves the numbers of the last run in place.
  const bool reads = numbers_->Count() > 0;
  if (reads) distribution_->AnalysisStarting();
  analysis_.StartAnalysis(MakeAnalysisHost());
  if (reads) distribution_->AnalysisFinished();
}

void Form1::PushButton8_Click() {
  Trap trap(*this, kClearResultsLocation);
  trap.Step(100, [&] { ClearResults(); });
}

void Form1::PushButton13_Click() {
  SaveResultsToSpreadsheet({*results_, CurrentDialogs(), *this, [this](bool busy) { SetBusy(busy); }, MakeEventPump()});
}

// ---------------------------------------------------------------------------
// Options.

void Form1::SetOptionButton(QRadioButton* button, bool selected) {
  if (button->isChecked() == selected) return;
  if (selected) {
    button->setChecked(true);
    return;
  }
  // An auto-exclusive button refuses to be cleared; a stored "False" must
  // still clear it, even when that leaves neither method selected.
  button->setAutoExclusive(false);
  button->setChecked(false);
  button->setAutoExclusive(true);
}

void Form1::SetCombo1Text(const QString& text) {
  if (Combo1->currentText() != text) Combo1->setEditText(text);
}

void Form1::Option1_Click() { options::StoreMethod(settings_, Option1->isChecked(), Option2->isChecked()); }

void Form1::Option2_Click() { options::StoreMethod(settings_, Option1->isChecked(), Option2->isChecked()); }

void Form1::Check1_Click() {
  if (Check1->isChecked()) {
    Combo1->setEnabled(false);
    SetCombo1Text(QString::fromLatin1(kAllDecimalPlaces));
  } else {
    Combo1->setEnabled(true);
    SetCombo1Text(QString::fromLatin1(kDefaultDecimalPlaces));
  }
  options::StoreShowAllDecimals(settings_, Check1->isChecked());
}

void Form1::Combo1_Change() { options::StoreDecimalPlaces(settings_, Combo1->currentText()); }

void Form1::Combo1_Click() { options::StoreDecimalPlaces(settings_, Combo1->currentText()); }

void Form1::ScheduleCombo1LostFocus() { lostFocusTimer_->start(0); }

void Form1::Combo1_LostFocus() {
  if (options::DecimalPlacesAcceptable(Combo1->currentText(), separators_)) return;
  CurrentDialogs().Message(QString::fromLatin1(kMustBeNumericMessage));
  Combo1->setFocus(Qt::OtherFocusReason);
}

bool Form1::Combo1_KeyDown(const QKeyEvent& key) {
  int step = 0;
  switch (key.key()) {
    case Qt::Key_Up:
    case Qt::Key_PageUp:
      step = -1;
      break;
    case Qt::Key_Down:
    case Qt::Key_PageDown:
      step = 1;
      break;
    default:
      return false;
  }
  // Alt+Down opens the list and Ctrl+arrows belong to the text, as before.
  if (key.modifiers() & (Qt::AltModifier | Qt::ControlModifier)) return false;
  // The drop-down's own stepping goes from the item last picked, which a
  // typed or restored text is not.
  const int item = SteppedItem(*Combo1, step, separators_);
  const QString before = Combo1->currentText();
  if (Combo1->currentIndex() != item) Combo1->setCurrentIndex(item);
  SetCombo1Text(Combo1->itemText(item));
  // A step is a pick from the list.
  if (Combo1->currentText() != before) Combo1_Click();
  return true;
}

// ---------------------------------------------------------------------------
// The number list's mouse behaviour.

bool Form1::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (watched == ListView1->viewport()) {
    switch (type) {
      case QEvent::MouseButtonPress:
        ListView1_MouseDown();
        return false;
      case QEvent::MouseButtonDblClick:
        // The second press of a double-click: the remove acts on the
        // selection, so the view must not move it first.
        ListView1_MouseDown();
        ListView1_DblClick();
        return true;
      case QEvent::MouseMove: {
        auto* move = static_cast<QMouseEvent*>(event);
        ListView1_MouseMove(move->position().toPoint());
        // With a button down the carried entry moves, not the selection.
        return move->buttons() != Qt::NoButton;
      }
      case QEvent::MouseButtonRelease:
        ListView1_MouseUp();
        return false;
      case QEvent::DragEnter:
        ListView1_DragEnter(static_cast<QDragEnterEvent*>(event));
        return true;
      case QEvent::DragMove:
        ListView1_DragMove(static_cast<QDragMoveEvent*>(event));
        return true;
      case QEvent::Drop:
        // Reading a dropped folder tree lets window events run, like a command.
        RunCommand([this, event] { ListView1_Drop(static_cast<QDropEvent*>(event)); });
        return true;
      default:
        return false;
    }
  }
  if (watched == ListView2->viewport()) {
    if (type == QEvent::MouseMove) ListView2_MouseMove();
    return false;
  }
  if (type == QEvent::ShortcutOverride && watched == Combo1) {
    // The drop-down's text has its own undo: the list's keys are not taken
    // from it.
    if (!NumberListMenu::IsUndoOrRedoKey(*static_cast<QKeyEvent*>(event))) return false;
    event->accept();
    return true;
  }
  if (type == QEvent::KeyPress) {
    const auto& key = *static_cast<QKeyEvent*>(event);
    if (watched == ListView1) return ListView1_KeyDown(key);
    if (watched == ListView2) return ListView2_KeyDown(key);
    if (watched == Combo1) return Combo1_KeyDown(key);
    // Enter on a focused button presses it, as Space does.
    auto* button = qobject_cast<QPushButton*>(watched);
    if (button && (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) &&
        (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
      if (!key.isAutoRepeat()) button->animateClick();
      return true;
    }
    return false;
  }
  if (type != QEvent::MouseMove) return false;
  auto* move = static_cast<QMouseEvent*>(event);
  if (watched == Frame1 || watched == Frame2) {
    auto* frame = static_cast<QWidget*>(watched);
    if (!frame->childAt(move->position().toPoint())) (watched == Frame1 ? Frame1_MouseMove() : Frame2_MouseMove());
    return false;
  }
  if (watched == PushButton1)
    PushButton1_MouseMove();
  else if (watched == PushButton2)
    PushButton2_MouseMove();
  else if (watched == PushButton3)
    PushButton3_MouseMove();
  else if (watched == PushButton4)
    PushButton4_MouseMove();
  else if (watched == PushButton5)
    PushButton5_MouseMove();
  else if (watched == PushButton6)
    PushButton6_MouseMove();
  else if (watched == PushButton7)
    PushButton7_MouseMove();
  else if (watched == PushButton8)
    PushButton8_MouseMove();
  else if (watched == PushButton13)
    PushButton13_MouseMove();
  return false;
}

void Form1::ListView1_MouseDown() {
  buttonDown_ = true;
  // A press begins a new gesture: its swaps make a step of their own.
  numbers_->EndMove();
}

void Form1::ListView1_ItemClick(const QModelIndex&) {
  // Without a readable drag.ico the list keeps its ordinary pointer.
  try {
    ListView1->viewport()->setCursor(LoadPointerFile(programFolder_.File(QStringLiteral("/drag.ico"))));
  } catch (const std::exception&) {
  }
  const QModelIndexList selected = ListView1->selectionModel()->selectedRows(0);
  movedEntry_ = selected.isEmpty() ? QPersistentModelIndex() : QPersistentModelIndex(selected.first());
}

void Form1::ListView1_MouseMove(QPoint position) {
  pointerInWindow_ = ListView1->viewport()->mapTo(this, position);
  ShowHoverDefault();
  if (!buttonDown_) return;
  QModelIndex under;
  if (ListView1->viewport()->rect().contains(position)) under = ListView1->indexAt(position);
  if (!under.isValid() || !movedEntry_.isValid()) return;
  const auto moved = static_cast<std::size_t>(movedEntry_.row());
  const auto target = static_cast<std::size_t>(under.row());
  if (numbers_->Text(moved) == numbers_->Text(target)) return;

  numbers_->SwapTexts(moved, target);
  ListView1->selectionModel()->setCurrentIndex(under, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  movedEntry_ = QPersistentModelIndex(under);

  const int screenY = screenPointer_().y();
  const int row = under.row();
  if (screenY < kScrollUpBelowY && row > 0) {
    ListView1->scrollTo(numbers_->index(row - 1), QAbstractItemView::EnsureVisible);
  } else if (screenY > kScrollDownAboveY && static_cast<std::size_t>(row) + 1 < numbers_->Count()) {
    ListView1->scrollTo(numbers_->index(row + 1), QAbstractItemView::EnsureVisible);
  }
}

void Form1::ListView1_MouseUp() {
  buttonDown_ = false;
  numbers_->EndMove();
  // Back to the window's pointer (the default arrow unless a command is busy).
  ListView1->viewport()->unsetCursor();
}

void Form1::ListView1_DblClick() {
  if (pointer_.IsBusy()) return;
  if (numbers_->Count() == 0) return;
  const QModelIndexList selected = ListView1->selectionModel()->selectedRows(0);
  // Nothing selected: nothing to remove.
  if (selected.isEmpty()) return;
  numbers_->Remove(static_cast<std::size_t>(selected.first().row()));
}

bool Form1::ListView1_KeyDown(const QKeyEvent& key) {
  if (key.matches(QKeySequence::Paste)) {
    if (!key.isAutoRepeat()) RunCommand([this] { ListView1_Paste(); });
    return true;
  }
  // Shift+F10, as the Menu key does, opens the context menu for keyboard
  // users: beside the current row, or at the list's corner without one.
  if (key.key() == Qt::Key_F10 && (key.modifiers() & ~Qt::KeypadModifier) == Qt::ShiftModifier) {
    const QRect row = ListView1->visualRect(ListView1->currentIndex());
    ListView1_ContextMenu(row.isValid() ? row.center() : QPoint(0, 0));
    return true;
  }
  if (key.key() != Qt::Key_Delete || (key.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
  const QModelIndexList selected = ListView1->selectionModel()->selectedRows(0);
  // Without a selection, the row the focus frame shows as current is the one
  // meant: it is selected, then removed as a double-click removes.
  const QModelIndex target = selected.isEmpty() ? ListView1->currentIndex() : selected.first();
  if (!target.isValid() || pointer_.IsBusy()) return true;
  if (selected.isEmpty())
    ListView1->selectionModel()->select(target, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  const int removed = target.row();
  const std::size_t before = numbers_->Count();
  ListView1_DblClick();
  if (numbers_->Count() == before || numbers_->Count() == 0) return true;
  // The next entry takes the removed one's place in the selection (the new
  // last one after the last), so Delete can go on.
  const int row = std::min(removed, static_cast<int>(numbers_->Count()) - 1);
  const QModelIndex next = numbers_->index(row);
  ListView1->selectionModel()->setCurrentIndex(next, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  ListView1->scrollTo(next);
  return true;
}

bool Form1::ListView2_KeyDown(const QKeyEvent& key) {
  if (key.key() == Qt::Key_F10 && (key.modifiers() & ~Qt::KeypadModifier) == Qt::ShiftModifier) {
    const QRect row = ListView2->visualRect(ListView2->currentIndex());
    ListView2_ContextMenu(row.isValid() ? row.center() : QPoint(0, 0));
    return true;
  }
  if (key.key() != Qt::Key_A) return false;
  const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
  Qt::CheckState state;
  if (modifiers == Qt::ControlModifier)
    state = Qt::Checked;
  else if (modifiers == (Qt::ControlModifier | Qt::ShiftModifier))
    state = Qt::Unchecked;
  else
    return false;
  for (int row = 0; row < results_->rowCount(); ++row) results_->item(row)->setCheckState(state);
  return true;
}

void Form1::ListView1_ContextMenu(QPoint position) {
  // The open menu takes the button's release: the gesture ends here.
  ListView1_MouseUp();
  numbers_->Flush();
  listMenu_->Refresh(numbers_->History(), ListHistoryFree());
  pasteItem_->setEnabled(ClipboardHasText());
  listMenu_->Menu()->popup(ListView1->viewport()->mapToGlobal(position));
}

void Form1::ListView2_ContextMenu(QPoint position) {
  resultsMenu_->Refresh(results_->rowCount() > 0);
  resultsMenu_->Menu()->popup(ListView2->viewport()->mapToGlobal(position));
}

void Form1::ListView2_CopyAsTable() {
  const std::vector<const analysis::ResultRow*> rows = RowsToCopy(*results_, analysis_.LastResults());
  if (!rows.empty()) ClipboardSetText(QString::fromStdString(analysis::TableText(rows, separators_)));
}

bool Form1::ListHistoryFree() const {
  if (ended_ || CommandRunning() || pointer_.IsBusy() || drops_->Running()) return false;
  // An entry being carried: its swaps are still being recorded.
  return !(buttonDown_ && QGuiApplication::mouseButtons() != Qt::NoButton);
}

void Form1::UndoListChange() {
  if (ListHistoryFree()) ShowListChange(numbers_->Undo());
}

void Form1::RedoListChange() {
  if (ListHistoryFree()) ShowListChange(numbers_->Redo());
}

void Form1::ShowListChange(const std::optional<RowChange>& change) {
  if (!change) return;
  // What the last addition brought is no longer what the list shows.
  notice_->Dismiss();
  QItemSelectionModel* selection = ListView1->selectionModel();
  if (!change->current) {
    selection->clear();
    return;
  }
  const QModelIndex row = numbers_->index(static_cast<int>(*change->current));
  selection->setCurrentIndex(row, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  ListView1->scrollTo(row);
}

void Form1::ListView1_DragEnter(QDragEnterEvent* event) {
  if (OffersLocalFiles(event->mimeData()) || OffersText(event->mimeData()))
    event->acceptProposedAction();
  else
    event->ignore();
}

void Form1::ListView1_DragMove(QDragMoveEvent* event) {
  if (OffersLocalFiles(event->mimeData()) || OffersText(event->mimeData()))
    event->acceptProposedAction();
  else
    event->ignore();
}

void Form1::ListView1_Drop(QDropEvent* event) {
  // Copy the paths or the text first: the drag data belongs to the drag,
  // which ends here.
  const QMimeData* offered = event->mimeData();
  if (OffersLocalFiles(offered)) {
    std::vector<std::string> paths = DroppedLocalPaths(offered);
    event->acceptProposedAction();
    ReadPathsAsDropped(std::move(paths));
    return;
  }
  std::optional<QString> text = DroppedText(offered);
  if (!text) return event->ignore();
  event->acceptProposedAction();
  PasteNumbers(*text, AdditionSource::kDroppedText);
}

void Form1::ListView1_Paste() { PasteNumbers(ClipboardText(), AdditionSource::kClipboard); }

void Form1::PasteNumbers(const QString& text, AdditionSource source) {
  notice_->Dismiss();
  NumberListModel::Change change(*numbers_, source == AdditionSource::kDroppedText ? kDropStep : kPasteStep);
  Addition added(source);
  bool whole = true;
  {
    const NumberListModel::Tallying counting(*numbers_, added.tally);
    DropProgress::Drop reading(*drops_);
    DropState state;
    state.phase = DropPhase::kReadingText;
    state.textSize = static_cast<std::size_t>(text.size());
    const auto progress = reading.Progress();
    progress(state);
    FlushingErrorSink errors(*numbers_, *this);
    Trap trap(errors, source == AdditionSource::kDroppedText ? kDropLocation : kPasteLocation);
    trap.Step([&] {
      whole = ReadPastedCharacters(*numbers_, text, separators_, reading.EventPump(), reading.ShouldStop(),
                                   [&](std::size_t read) {
                                     state.textRead = read;
                                     progress(state);
                                   });
    });
    trap.Step([&] { numbers_->Flush(); });
    // The strip goes first: the notice is about a reading that has ended.
    reading.End();
  }
  if (whole)
    ShowAddition(added);
  else
    CurrentDialogs().Message(TextStoppedNotice(source, added.tally.appended));
}

QAction* Form1::FillListContextMenu(QMenu& menu) {
  QAction* paste = menu.addAction(QString::fromLatin1(kPasteNumbersItem));
  paste->setShortcut(QKeySequence::Paste);
  paste->setShortcutVisibleInContextMenu(true);
  paste->setEnabled(ClipboardHasText());
  connect(paste, &QAction::triggered, this, [this] { RunCommand([this] { ListView1_Paste(); }); });
  return paste;
}

void Form1::ShowAddition(const Addition& addition) { notice_->Show(AdditionNoticeText(addition)); }

void Form1::ShowFilesAddition(Addition& addition, const DropState& end) {
  // Nothing chosen, or a drop that held no file, brought nothing to tell.
  if (end.filesRead == 0) return;
  addition.files = end.filesRead;
  if (end.filesRead == 1)
    addition.fileName = QFileInfo(QFile::decodeName(QByteArray::fromStdString(end.firstFile))).fileName();
  ShowAddition(addition);
}

void Form1::ShowEntryCount() {
  const QString count = EntriesText(numbers_->Count());
  ListView1->setToolTip(QString::fromLatin1(kListToolTip) + QLatin1Char('\n') + count);
  ListView1->setAccessibleDescription(QString::fromLatin1(kListDescription) + QLatin1Char('\n') + count);
}

void Form1::ReadPathsAsDropped(std::vector<std::string> paths) {
  notice_->Dismiss();
  NumberListModel::Change change(*numbers_, kDropStep);
  Addition added(AdditionSource::kFiles);
  std::optional<NumberListModel::Tallying> counting(std::in_place, *numbers_, added.tally);
  DropProgress::Drop drop(*drops_);
  const DropHost context{
      .entries = *numbers_,
      .errors = *this,
      .showNotRead = [](const std::string& path,
                        NotRead) { CurrentDialogs().Message(QString::fromStdString(FileNotFoundText(path))); },
      .letEventsRun = drop.EventPump(),
      .progress = drop.Progress(),
      .shouldStop = drop.ShouldStop(),
      .separators = separators_};
  const DropState end = ReadDroppedPaths(std::move(paths), context);
  // The strip goes first: the notice is about a drop that has ended.
  drop.End();
  counting.reset();
  if (end.stopped)
    CurrentDialogs().Message(DropStoppedNotice(end));
  else
    ShowFilesAddition(added, end);
}

void Form1::OpenPaths(std::vector<std::string> paths) {
  if (paths.empty()) return;
  RunCommand([this, &paths] { ReadPathsAsDropped(std::move(paths)); });
}

// ---------------------------------------------------------------------------
// What the analysis run sees of the window.

AnalysisHost Form1::MakeAnalysisHost() {
  const NumberListModel* numbers = numbers_;
  return {.errors = *this,
          .entryCount = [numbers] { return numbers->Count(); },
          .entryText = [numbers](std::size_t index) { return numbers->Text(index); },
          .entryPassedNumberTest = [numbers](std::size_t index) { return numbers->PassedNumberTest(index); },
          .decimalPlacesText = [this] { return Combo1->currentText().toStdString(); },
          .showAllDecimals = [this] { return Check1->isChecked(); },
          .setBusy = [this](bool busy) { SetBusy(busy); },
          .clearResults = [this] { ClearResults(); },
          .addResultRow = [this](const std::string& line) { AddResultRow(line); },
          .showMessage = [](const std::string& text) { CurrentDialogs().Message(QString::fromStdString(text)); }};
}

void Form1::SetBusy(bool busy) { pointer_.Set(busy ? WindowPointer::State::Busy : WindowPointer::State::Default); }

void Form1::ClearResults() { results_->removeRows(0, results_->rowCount()); }

void Form1::AddResultRow(const std::string& line) {
  auto* item = new QStandardItem(QString::fromStdString(line));
  item->setEditable(false);
  item->setCheckable(true);
  item->setCheckState(Qt::Unchecked);
  results_->appendRow(item);
}

void Form1::ReportError(const std::string& description, std::string_view location, int label) {
  CurrentDialogs().ErrorReport(QString::fromStdString(ErrorReportText(description, location, label)));
}
