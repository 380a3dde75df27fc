#include "app/WindowPointer.h"

#include <QFile>
#include <QImageReader>
#include <QPixmap>
#include <QWidget>
#include <QtEndian>
#include <stdexcept>

namespace tallowmere::app {

WindowPointer::WindowPointer(QWidget* window) : window_(window) { window_->setCursor(Qt::ArrowCursor); }

void WindowPointer::Set(State state) {
  // Hover handlers call this on every pointer movement.
  if (state == state_) return;
  state_ = state;
  window_->setCursor(CursorFor(state));
}

void WindowPointer::SetCustomImage(const QCursor& cursor) {
  custom_ = cursor;
  hasCustom_ = true;
  if (state_ == State::Custom) window_->setCursor(custom_);
}

QCursor WindowPointer::CursorFor(State state) const {
  switch (state) {
    case State::Busy:
      return QCursor(Qt::WaitCursor);
    case State::Custom:
      return hasCustom_ ? custom_ : QCursor(Qt::ArrowCursor);
    case State::Default:
      break;
  }
  return QCursor(Qt::ArrowCursor);
}

QCursor LoadPointerFile(const QString& path, QPoint iconHotspot) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) throw std::runtime_error("File not found");
  // ICONDIR (reserved, type, count) followed by the first ICONDIRENTRY, whose
  // two words at offsets 10 and 12 are the hotspot in a cursor file.
  const QByteArray head = file.read(22);
  if (head.size() < 22) throw std::runtime_error("Invalid picture");
  const auto word = [&](int at) { return qFromLittleEndian<quint16>(head.constData() + at); };
  const quint16 reserved = word(0), type = word(2), count = word(4);
  if (reserved != 0 || (type != 1 && type != 2) || count == 0) throw std::runtime_error("Invalid picture");
  file.close();

  QImageReader reader(path, type == 2 ? "cur" : "ico");
  const QImage image = reader.read();
  if (image.isNull()) throw std::runtime_error("Invalid picture");
  QPoint hotspot = type == 2 ? QPoint(word(10), word(12)) : iconHotspot;
  if (!image.rect().contains(hotspot)) hotspot = QPoint(0, 0);
  return QCursor(QPixmap::fromImage(image), hotspot.x(), hotspot.y());
}

}  // namespace tallowmere::app
