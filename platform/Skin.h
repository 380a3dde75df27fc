#pragma once
// Our small skin layer. A skin file is a Qt style sheet (UTF-8 text): loading
// reads it, applying it styles the window it is given, and the boxes and
// prompts with it, while the window keeps its size.
#include <QString>

class QWidget;

namespace tallowmere::platform {

class Skin {
 public:
  // Reads the skin from `path`. Throws std::runtime_error when the file
  // cannot be read or is not UTF-8 text.
  void Load(const QString& path);

  // Styles `window` and every box the program opens; the skin may not change
  // the window's size. Throws when no skin is loaded.
  void Apply(QWidget& window) const;

 private:
  QString sheet_;
  bool loaded_ = false;
};

}  // namespace tallowmere::platform
