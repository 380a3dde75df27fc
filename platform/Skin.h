#pragma once
// Our small skin layer. A skin file is a Qt style sheet (UTF-8 text): loading
// reads it, applying it styles the window it is given.
#include <QString>

class QWidget;

struct SkinOptions {
  bool dialogsFollow = false;   // boxes and prompts take the skin too
  bool keepWindowSize = false;  // the skin may not change the window's size
};

class Skin {
 public:
  // Reads the skin from `path`. Throws std::runtime_error when the file
  // cannot be read or is not UTF-8 text.
  void Load(const QString& path);

  // Styles `window`. Throws when no skin is loaded.
  void Apply(QWidget& window, const SkinOptions& options) const;

 private:
  QString sheet_;
  bool loaded_ = false;
};
