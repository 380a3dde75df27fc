#pragma once
// The main window's pointer: one state shown as the window's cursor. Long
// commands set it busy; the hover rules switch between default and custom
// and leave busy alone.
#include <QCursor>
#include <QPoint>
#include <QString>

class QWidget;

namespace tallowmere::app {

class WindowPointer {
 public:
  enum class State { Default, Busy, Custom };

  explicit WindowPointer(QWidget* window);

  State Get() const { return state_; }
  bool IsBusy() const { return state_ == State::Busy; }
  void Set(State state);

  // The image the custom state shows; until one is given, custom looks like
  // the default arrow.
  void SetCustomImage(const QCursor& cursor);
  bool HasCustomImage() const { return hasCustom_; }
  QCursor CursorFor(State state) const;

 private:
  QWidget* window_;
  State state_ = State::Default;
  QCursor custom_;
  bool hasCustom_ = false;
};

// Loads a .cur or .ico file as a pointer. Qt's image reader ignores the
// hotspot, so it is taken from the file's directory entry for a cursor file,
// and `iconHotspot` is used for an icon file. Throws std::runtime_error when
// the file cannot be read as either.
QCursor LoadPointerFile(const QString& path, QPoint iconHotspot = QPoint(0, 0));

}  // namespace tallowmere::app
