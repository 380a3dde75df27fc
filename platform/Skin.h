#pragma once
// SkinFramework1: our small skin layer. A skin file is a Qt style sheet
// (UTF-8 text); loading reads it, applying it styles the window it is given.
// The calls mirror what the start-up makes: load with a second text, an
// options value whose lowest bit switches the skin on, two numbered boolean
// options, then apply to a window handle.
#include <QString>
#include <QWidget>

class SkinFramework {
 public:
  // Bit of the options value: without it, applying a skin changes nothing.
  static constexpr int kSkinEnabled = 1;
  // Numbered options.
  static constexpr int kSkinDialogs = 5;      // boxes and prompts follow the skin too
  static constexpr int kKeepWindowSize = 10;  // the skin may not change the window's size

  // Reads the skin from `path`. `variant` names a variant inside the file;
  // our format has only the default one, the empty text. Throws
  // std::runtime_error when the file cannot be read, is not UTF-8 text, or
  // the variant does not exist.
  void LoadSkin(const QString& path, const QString& variant);

  int Options() const { return options_; }
  void SetOptions(int value) { options_ = value; }

  // The numbered options 5 and 10; any other number throws
  // std::invalid_argument.
  bool Option(int number) const;
  void SetOption(int number, bool value);

  // Styles the window whose native handle is given. Throws when no skin is
  // loaded or the handle names no window of this program.
  void ApplyWindow(WId handle);

  bool Loaded() const { return loaded_; }

 private:
  QString sheet_;
  bool loaded_ = false;
  int options_ = 0;
  bool skinDialogs_ = false;
  bool keepWindowSize_ = false;
};
