#include "platform/Skin.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QPointer>
#include <QStringDecoder>
#include <QTimer>
#include <QWidget>
#include <stdexcept>

namespace tallowmere::platform {

namespace {

// A style sheet sizes widgets when they are polished, which happens when the
// window is first shown and again whenever a style changes; each time, the
// window gets back the size it had before the skin (a skin restyles, it
// never moves a control: see docs/compatibility.md, The window's geometry).
class SizeKeeper final : public QObject {
 public:
  static constexpr const char* kName = "SkinSizeKeeper";

  SizeKeeper(QWidget* window, QSize size) : QObject(window), window_(window), size_(size) {
    setObjectName(QString::fromLatin1(kName));
    window->installEventFilter(this);
    Restore();
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    switch (event->type()) {
      case QEvent::Polish:
      case QEvent::StyleChange:
      case QEvent::Resize:
        // After the style has had its say.
        QTimer::singleShot(0, this, [this] { Restore(); });
        break;
      default:
        break;
    }
    return false;
  }

 private:
  void Restore() {
    if (window_) window_->setFixedSize(size_);
  }
  QPointer<QWidget> window_;
  QSize size_;
};

}  // namespace

void Skin::Load(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) throw std::runtime_error("File not found");
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) throw std::runtime_error("Path/File access error");
  QStringDecoder decode(QStringDecoder::Utf8);
  QString sheet = decode(bytes);
  if (decode.hasError() || sheet.contains(QChar(0))) throw std::runtime_error("Invalid skin file");
  sheet_ = sheet;
  loaded_ = true;
}

void Skin::Apply(QWidget& window) const {
  if (!loaded_) throw std::runtime_error("No skin loaded");
  const QSize unskinned = window.size();
  qApp->setStyleSheet(sheet_);
  window.setStyleSheet(sheet_);
  window.ensurePolished();
  if (!window.findChild<QObject*>(QString::fromLatin1(SizeKeeper::kName), Qt::FindDirectChildrenOnly))
    new SizeKeeper(&window, unskinned);
}

}  // namespace tallowmere::platform
