#pragma once
// Where the input paths append entries of the number list. The window's list
// model implements it; appends may be collected and shown in one batch, so a
// loader that appends a million entries does not cost a million view updates.
// Flush() makes everything appended so far visible (loaders call it before
// they let window events run and when they finish).
#include <string_view>

class EntrySink {
 public:
  virtual ~EntrySink() = default;
  virtual void Append(std::string_view text) = 0;
  virtual void Flush() {}
};
