#pragma once
// List text, already in UTF-8, split into candidates at every CR and every
// LF, fed in pieces of any size.
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "input/EntrySink.h"
#include "input/ListCandidates.h"
#include "numtext/Separators.h"

namespace tallowmere::input {

class TwoThreadLines;

// What reads a file's text, in UTF-8, fed in pieces of any size: a list
// file's lines (ListTextReader), or a table's column. Finish() ends the text.
class TextPieceReader {
 public:
  virtual ~TextPieceReader() = default;
  // `meanwhile`, when given, is run once during the call (it must not fail):
  // on this thread while the reader's helper begins on a large piece, so that
  // the caller can read the next piece meanwhile; else when the call ends.
  virtual void Feed(const char* data, std::size_t size, const std::function<void()>& meanwhile = nullptr) = 0;
  virtual void Finish() = 0;
};

// Runs a Feed's `meanwhile` once: handed on to whatever runs it while it
// works (Hand), or else when the call ends.
class Meanwhile {
 public:
  explicit Meanwhile(const std::function<void()>& task) : task_(task ? &task : nullptr) {}
  ~Meanwhile() {
    if (task_) (*task_)();
  }
  Meanwhile(const Meanwhile&) = delete;
  Meanwhile& operator=(const Meanwhile&) = delete;
  std::function<void()> Hand() {
    const std::function<void()>* task = std::exchange(task_, nullptr);
    return task ? *task : nullptr;
  }

 private:
  const std::function<void()>* task_;
};

// Splits text at every CR and every LF and appends the candidates that pass
// the number test of list lines (numtext::TestListLine, with the user's
// separators `sep`), telling the list of those read in the other convention.
// Text may be fed in pieces of any size; a candidate that spans pieces is
// joined. Finish() ends the last candidate. The text is taken as it is: a
// byte-order mark is the business of ListFileReader.
class ListTextReader final : public TextPieceReader {
 public:
  ListTextReader(EntrySink& list, numtext::Separators sep);
  ~ListTextReader() override;
  ListTextReader(const ListTextReader&) = delete;
  ListTextReader& operator=(const ListTextReader&) = delete;
  void Feed(const char* data, std::size_t size, const std::function<void()>& meanwhile = nullptr) override;
  void Finish() override;

 private:
  // Of a candidate too long to be a number, this much of its start is kept to
  // tell the list what was skipped.
  static constexpr std::size_t kOverlongHeadBytes = 256;

  void Offer(std::string_view candidate);
  // Ends the candidate carried from earlier pieces where this piece's first
  // line end is; answers where the rest begins (`end` when it goes on).
  const char* EndCarried(const char* p, const char* end);
  void BeginOverlong(std::string_view start);
  void EndOverlong();

  EntrySink& list_;
  CandidateRule rule_;
  std::string carry_;         // the start of a candidate that began in an earlier piece
  bool overlong_ = false;     // the current candidate is already too long: drop it
  std::string overlongHead_;  // its start, while it is dropped
  // Shares the number test of large pieces; started when a piece first needs
  // it, so a file of a few lines, or a tree of thousands of them, starts no
  // thread at all.
  std::unique_ptr<TwoThreadLines> helper_;
};

}  // namespace tallowmere::input
