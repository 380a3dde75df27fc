#include "app/Form1.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDropEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTableView>
#include <QTimer>
#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <stdexcept>
#include <type_traits>

#include "app/Accessibility.h"
#include "app/Announcer.h"
#include "app/DistributionLink.h"
#include "app/DropProgress.h"
#include "app/FormControls.h"
#include "app/ListNotice.h"
#include "app/NumberListMenu.h"
#include "app/ResultsListMenu.h"
#include "app/TickListAccessible.h"
#include "core/ErrorReport.h"
#include "input/KeptList.h"
#include "input/ListFile.h"
#include "input/ListHistory.h"
#include "input/NumberListModel.h"
#include "platform/Dialogs.h"
#include "platform/FontChoice.h"
#include "platform/PointerPosition.h"
#include "platform/ReadableColours.h"
#include "platform/ScreenFit.h"
#include "platform/SettingsStore.h"
#include "results/ExportCommands.h"
#include "results/Options.h"
#include "stats/Statistics.h"

namespace tallowmere::app {

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

// How a handler of the table below is reached.
enum class On { kClick, kMouseMove };

// The event procedures the window's controls reach, by control name.
const struct {
  const char* control;
  On on;
  void (Form1::*run)();
} kHandlers[] = {
    {"PushButton1", On::kClick, &Form1::PushButton1_Click},
    {"PushButton2", On::kClick, &Form1::PushButton2_Click},
    {"PushButton3", On::kClick, &Form1::PushButton3_Click},
    {"PushButton4", On::kClick, &Form1::PushButton4_Click},
    {"PushButton5", On::kClick, &Form1::PushButton5_Click},
    {"PushButton6", On::kClick, &Form1::PushButton6_Click},
    {"PushButton7", On::kClick, &Form1::PushButton7_Click},
    {"PushButton8", On::kClick, &Form1::PushButton8_Click},
    {"PushButton13", On::kClick, &Form1::PushButton13_Click},
    {"Form1", On::kMouseMove, &Form1::Form_MouseMove},
    {"Frame1", On::kMouseMove, &Form1::Frame1_MouseMove},
    {"Frame2", On::kMouseMove, &Form1::Frame2_MouseMove},
    {"ListView2", On::kMouseMove, &Form1::ListView2_MouseMove},
    {"PushButton1", On::kMouseMove, &Form1::PushButton1_MouseMove},
    {"PushButton2", On::kMouseMove, &Form1::PushButton2_MouseMove},
    {"PushButton3", On::kMouseMove, &Form1::PushButton3_MouseMove},
    {"PushButton4", On::kMouseMove, &Form1::PushButton4_MouseMove},
    {"PushButton5", On::kMouseMove, &Form1::PushButton5_MouseMove},
    {"PushButton6", On::kMouseMove, &Form1::PushButton6_MouseMove},
    {"PushButton7", On::kMouseMove, &Form1::PushButton7_MouseMove},
    {"PushButton8", On::kMouseMove, &Form1::PushButton8_MouseMove},
    {"PushButton13", On::kMouseMove, &Form1::PushButton13_MouseMove},
};

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
void SetUpReportList(QTableView* view, QAbstractItemModel* model, const QFont& font) {
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
  view->viewport()->setMouseTracking(true);
  view->viewport()->setAttribute(Qt::WA_NoMousePropagation);
}

}  // namespace

Form1::Form1(numtext::Separators separators, const QString& programFolder, FormServices services)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint),
      separators_(separators),
      analysis_(std::move(separators)),
      programFolder_(programFolder),
      systemDialogs_(this),
      dialogs_(services.dialogs ? *services.dialogs : systemDialogs_),
      spreadsheet_(std::move(services.spreadsheet)),
      settings_(QString::fromLatin1(platform::kSettingsApplication), QString::fromLatin1(platform::kSettingsSection),
                dialogs_),
      pointer_(this),
      screenPointer_([this] { return platform::PointerOnScreen(this, pointerInWindow_); }) {
  BuildControls();
  // Over the number list, outside the controls' fixed places and the tab order.
  drops_ = new DropProgress(ListView1, this);
  notice_ = new ListNotice(ListView1);
  resultsNote_ = new ListNotice(ListView2, ListNotice::Lasting::kUntilDismissed, QStringLiteral("resultsNote"),
                                tr("Results note"));
  announcer_ = new Announcer(this);
  for (ListNotice* shown : {notice_, resultsNote_})
    shown->SetOnShown([this](const QString& text) { announcer_->Announce(text); });
  ConnectHandlers();
  SetUpRoom();
  Form_Load();
  stateFolder_ = std::move(services.stateFolder);
  OfferKeptList();
  fit_ = std::make_unique<platform::ScreenFit>(*this);
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    RestoreWindowSize(screen->availableGeometry());
    PlaceOnScreen(screen->availableGeometry());
  }
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
// The window's controls, in their fixed places (docs/compatibility.md).

void Form1::BuildControls() {
  InstallAccessibility();
  setObjectName(QStringLiteral("Form1"));
  resize(Twips(8040), Twips(9570));
  fontFamily_ = platform::ChooseFontFamily(platform::InstalledFontFamilies());
  setFont(FormFont(fontFamily_, kWindowPoints));
  // Every control inherits colours that read on the window's white, also
  // under a dark desktop theme.
  setPalette(platform::ReadablePalette(QApplication::palette()));
  platform::SetControlBackground(this, Qt::white);
  setMouseTracking(true);
  numbers_ = new input::NumberListModel(this);
  results_ = new results::ResultListModel(this);
  BuildInventory(*this, fontFamily_);
  FindControls();
  SetUpControls();
  if (fontFamily_ != QLatin1String(platform::kLayoutFontFamily)) FitCaptionFonts();
  lostFocusTimer_ = new QTimer(this);
  lostFocusTimer_->setSingleShot(true);
}

void Form1::FindControls() {
  const auto find = [this](auto*& control, const char* name) {
    control = findChild<std::remove_reference_t<decltype(control)>>(QString::fromLatin1(name));
  };
  find(ListView1, "ListView1");
  find(PushButton3, "PushButton3");
  find(PushButton6, "PushButton6");
  find(PushButton1, "PushButton1");
  find(PushButton2, "PushButton2");
  find(Frame1, "Frame1");
  find(Option1, "Option1");
  find(Option2, "Option2");
  find(Frame2, "Frame2");
  find(Label1, "Label1");
  find(Combo1, "Combo1");
  find(Check1, "Check1");
  find(PushButton7, "PushButton7");
  find(ListView2, "ListView2");
  find(PushButton4, "PushButton4");
  find(PushButton13, "PushButton13");
  find(PushButton5, "PushButton5");
  find(PushButton8, "PushButton8");
}

void Form1::SetUpControls() {
  SetUpReportList(ListView1, numbers_, font());
  ListView1->setAcceptDrops(true);
  ListView1->viewport()->setAcceptDrops(true);
  ShowEntryCount();
  SetUpReportList(ListView2, results_, font());
  MakeTickList(*ListView2);
  Option1->setChecked(true);
  for (int i = 1; i <= 10; ++i) Combo1->addItem(QString::number(i));
  Combo1->setEditText(QString::fromLatin1(results::kDefaultDecimalPlaces));
  Label1->setBuddy(Combo1);
  // Both borders level, above the highest control in either frame.
  for (QGroupBox* frame : {Frame1, Frame2})
    static_cast<FormFrame*>(frame)->SetBorderAbove(
        std::min({Option1->y(), Option2->y(), Label1->y(), Combo1->y(), Check1->y()}));
}

void Form1::FitCaptionFonts() {
  // The places were measured with Arial; a wider stand-in would clip
  // captions at the fixed sizes, so each of the two sizes shrinks
  // until all the captions in it fit. The lists keep theirs: their rows
  // scroll sideways and their headers have room to spare.
  const auto fitting = [](const QFont& font, std::initializer_list<QWidget*> controls) {
    std::vector<platform::CaptionRoom> captions;
    for (QWidget* control : controls) captions.push_back({CaptionOf(*control), CaptionRoomOf(*control)});
    return FormFont(font.family(), platform::FittingPointSize(font, captions));
  };
  setFont(fitting(font(), {Frame1, Option1, Option2, Frame2, Label1, Check1}));
  const QFont button = fitting(PushButton1->font(), {PushButton1, PushButton2, PushButton3, PushButton4, PushButton5,
                                                     PushButton6, PushButton7, PushButton8, PushButton13});
  for (QPushButton* b : {PushButton1, PushButton2, PushButton3, PushButton4, PushButton5, PushButton6, PushButton7,
                         PushButton8, PushButton13})
    b->setFont(button);
}

void Form1::ConnectHandlers() {
  // Watched only once every control exists: the filter looks at all of them.
  for (QObject* watched : std::initializer_list<QObject*>{ListView1->viewport(), ListView2->viewport(), Frame1, Frame2,
                                                          ListView1, ListView2, Combo1})
    watched->installEventFilter(this);
  for (const auto& handler : kHandlers) {
    if (handler.on != On::kClick) continue;
    auto* button = findChild<QPushButton*>(QString::fromLatin1(handler.control));
    button->installEventFilter(this);
    const auto click = handler.run;
    connect(button, &QPushButton::clicked, this, [this, click] { RunCommand([this, click] { (this->*click)(); }); });
  }
  ConnectOptions();
  // Appends reach the views in batches, so the count follows at that pace.
  connect(numbers_, &QAbstractItemModel::rowsInserted, this, [this] { ShowEntryCount(); });
  connect(numbers_, &QAbstractItemModel::rowsRemoved, this, [this] { ShowEntryCount(); });
  connect(numbers_, &QAbstractItemModel::modelReset, this, [this] { ShowEntryCount(); });
  // Appended, removed, cleared, moved or undone: results shown are of the
  // list as it was.
  for (const auto changed : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
    connect(numbers_, changed, this, [this] { ListChangedSinceResults(); });
  connect(numbers_, &QAbstractItemModel::modelReset, this, [this] { ListChangedSinceResults(); });
  connect(numbers_, &QAbstractItemModel::dataChanged, this, [this] { ListChangedSinceResults(); });
  ConnectFocusLeave();
  connect(ListView1, &QTableView::pressed, this, [this](const QModelIndex& index) { ListView1_ItemClick(index); });
  ConnectListMenu();
  ConnectDistribution();
}

bool Form1::RunMouseMoveHandler(const QString& control) {
  for (const auto& handler : kHandlers) {
    if (handler.on == On::kMouseMove && control == QLatin1String(handler.control)) {
      (this->*handler.run)();
      return true;
    }
  }
  return false;
}

void Form1::ConnectOptions() {
  // The option handlers also run when code changes a control, since the
  // start-up restores the options that way.
  connect(Option1, &QRadioButton::toggled, this, [this](bool on) {
    analysis_.Statistics().SetMethodIsSample(Option1->isChecked());
    if (on) Option1_Click();
    emit optionsChanged();
  });
  connect(Option2, &QRadioButton::toggled, this, [this](bool on) {
    analysis_.Statistics().SetMethodIsSample(Option1->isChecked());
    if (on) Option2_Click();
    emit optionsChanged();
  });
  connect(Check1, &QCheckBox::toggled, this, [this] {
    Check1_Click();
    emit optionsChanged();
  });
  connect(Combo1, &QComboBox::editTextChanged, this, [this] {
    Combo1_Change();
    emit optionsChanged();
  });
  connect(Combo1, &QComboBox::activated, this, [this] { Combo1_Click(); });
}

void Form1::ConnectFocusLeave() {
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
}

void Form1::ConnectListMenu() {
  listMenu_ = new NumberListMenu(this);
  connect(listMenu_, &NumberListMenu::undoAsked, this, [this] { UndoListChange(); });
  connect(listMenu_, &NumberListMenu::redoAsked, this, [this] { RedoListChange(); });
  pasteItem_ = FillListContextMenu(*listMenu_->Menu());
  listMenu_->Menu()->addAction(listMenu_->RemoveNotNumbersItem());
  QAction* openTable = listMenu_->Menu()->addAction(QCoreApplication::translate("Form1", "Open Table\u2026"));
  connect(openTable, &QAction::triggered, this, [this] { RunCommand([this] { ListView1_OpenTable(); }); });
  connect(listMenu_, &NumberListMenu::removeNotNumbersAsked, this, [this] { ListView1_RemoveNotNumbers(); });
  connect(ListView1, &QWidget::customContextMenuRequested, this, [this](QPoint at) { ListView1_ContextMenu(at); });
}

void Form1::ConnectDistribution() {
  // The distribution window's table shows the statistics beyond the twelve.
  analysis_.SetMoreStatistics(true);
  resultsMenu_ = new ResultsListMenu(this);
  listMenu_->Menu()->addSeparator();
  listMenu_->Menu()->addAction(resultsMenu_->ShowDistributionItem());
  connect(ListView2, &QWidget::customContextMenuRequested, this, [this](QPoint at) { ListView2_ContextMenu(at); });
  connect(resultsMenu_, &ResultsListMenu::copyAsTableAsked, this, [this] { ListView2_CopyAsTable(); });
  distribution_ = new DistributionLink({.mainWindow = *this,
                                        .dialogs = dialogs_,
                                        .settings = settings_,
                                        .separators = separators_,
                                        .analysed = [this] { return !analysis_.LastResults().sorted.empty(); },
                                        .source = [this] { return AnalysisSource(); },
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
  core::Trap trap(*this, kFormLoadLocation);
  trap.Step(102, [&] { ApplySkin(); });
  const QString cursorPath = programFolder_.File(QStringLiteral("/HAND-M.CUR"));
  if (trap.Test(104, [&] { return input::FileExists(cursorPath.toStdString()); }))
    trap.Step(106, [&] { pointer_.SetCustomImage(LoadPointerFile(cursorPath)); });
  trap.Step(126, [&] { setWindowTitle(QString::fromLatin1(kProductName)); });
  trap.Step(126, [&] { setWindowIcon(ApplicationIcon()); });
  trap.Step(126, [&] { SetApplicationTitle(); });
  trap.Step(128, [&] { numbers_->SetHeader(tr("Number(s)")); });
  trap.Step(130, [&] { ListView1->horizontalHeader()->resizeSection(0, Twips(7000)); });
  trap.Step(132, [&] { results_->SetHeader(tr("Result(s)")); });
  trap.Step(134, [&] { ListView2->horizontalHeader()->resizeSection(0, Twips(7000)); });

  trap.Step(136, [&] {
    SetOptionButton(Option1,
                    platform::ReadBoolean(settings_.Get(QStringLiteral("Option1"), QStringLiteral("1")), separators_));
  });
  trap.Step(138, [&] {
    SetOptionButton(Option2,
                    platform::ReadBoolean(settings_.Get(QStringLiteral("Option2"), QStringLiteral("0")), separators_));
  });
  trap.Step(140, [&] {
    const std::int16_t value =
        platform::ReadInteger16(settings_.Get(QStringLiteral("Check1"), QStringLiteral("0")), separators_);
    if (value != 0 && value != 1) throw std::runtime_error("Show all decimals takes 0 or 1");
    Check1->setChecked(value == 1);
  });
  trap.Step(142, [&] {
    const QString places = settings_.Get(QStringLiteral("Combo1"), QString::fromLatin1(results::kDefaultDecimalPlaces));
    SetCombo1Text(places);
  });
  analysis_.Statistics().SetMethodIsSample(Option1->isChecked());
}

void Form1::ApplySkin() {
  const QString skinPath = programFolder_.File(QStringLiteral("/x/o.cjs"));
  if (!QFileInfo(skinPath).isFile()) return;
  const QColor buttonFace = QApplication::palette().color(QPalette::Button);
  platform::SetControlBackground(this, buttonFace);
  for (const ControlSpec& spec : kFormInventory) {
    auto* control = findChild<QWidget*>(QString::fromLatin1(spec.name));
    if (qobject_cast<QRadioButton*>(control) || qobject_cast<QCheckBox*>(control) ||
        qobject_cast<QGroupBox*>(control) || qobject_cast<QLabel*>(control))
      platform::SetControlBackground(control, buttonFace);
  }
  SkinFramework1.Load(skinPath);
  SkinFramework1.Apply(*this);
}

void Form1::SetApplicationTitle() {
  platform::SetApplicationTitleText(ApplicationTitleFromName(QString::fromLatin1(kProductName)));
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
  KeepWindowSize();
  // Gone from the screen before the list is written: closing shows at once.
  hide();
  KeepListAtClose();
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
  if (!childAt(event->position().toPoint())) RunMouseMoveHandler(objectName());
  QWidget::mouseMoveEvent(event);
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
  if (watched == ListView1->viewport()) return NumberListEvent(event);
  const QEvent::Type type = event->type();
  if (type == QEvent::ShortcutOverride && watched == Combo1) {
    // The drop-down's text has its own undo: the list's keys are not taken
    // from it.
    if (!NumberListMenu::IsUndoOrRedoKey(*static_cast<QKeyEvent*>(event))) return false;
    event->accept();
    return true;
  }
  if (type == QEvent::KeyPress) return KeyEvent(watched, *static_cast<QKeyEvent*>(event));
  // The lists' rows report moves through their viewports, not the lists.
  if (type != QEvent::MouseMove || watched == ListView1 || watched == ListView2) return false;
  // Only a control's own background: moves over a control inside a frame
  // belong to that control.
  auto* widget = static_cast<QWidget*>(watched);
  if (!widget->childAt(static_cast<QMouseEvent*>(event)->position().toPoint()))
    RunMouseMoveHandler(widget == ListView2->viewport() ? ListView2->objectName() : widget->objectName());
  return false;
}

bool Form1::NumberListEvent(QEvent* event) {
  switch (event->type()) {
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

bool Form1::KeyEvent(QObject* watched, const QKeyEvent& key) {
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

}  // namespace tallowmere::app
