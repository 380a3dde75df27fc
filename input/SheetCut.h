#pragma once
// A sheet part's text (a worksheet, content.xml) cut in two at a row's start
// tag, for two readers: the first reads from the part's start to the cut,
// the second from the cut to the end, each inflating the part itself (the
// second passes over the first part's bytes, which costs a fraction of
// parsing them and holds nothing).
// The cut is looked for by the second reader from a target offset on, and
// agreed on between the two through a CutPoint; the first reader, having
// read to it, is handed the end tag of the rows' parent (sheetData,
// table:table) there, which it reads as such only when the cut was where a
// row may begin. Plain C++.
#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <utility>

#include "input/ChunkSource.h"

namespace tallowmere::input {

// What the two readers agree on, each from its own thread.
class CutPoint {
 public:
  explicit CutPoint(std::uint64_t target) : target_(target) {}
  CutPoint(const CutPoint&) = delete;
  CutPoint& operator=(const CutPoint&) = delete;
  // The cut is looked for from this offset on.
  std::uint64_t Target() const { return target_; }

  // The first reader: the rows' parent has begun. `markup` opens the
  // elements open there (PartHead), `depth` of them; a row's start tag
  // begins with `rowTag` ("<row", "<x:row", "<table:table-row").
  void KnowHead(std::string markup, std::size_t depth, std::string rowTag);
  // The first reader at the target: the offset of the cut, or none (it reads
  // on alone), once the second has found it or not. Without a head known
  // there is none.
  std::optional<std::uint64_t> Decide();
  // The first reader needs nothing more of the second.
  void Abandon();
  bool Abandoned() const { return abandoned_.load(std::memory_order_relaxed); }

  // The second reader: waits for the head; false when there will be none.
  bool AwaitHead();
  // Valid once AwaitHead() said true.
  const std::string& HeadMarkup() const { return markup_; }
  std::size_t HeadDepth() const { return depth_; }
  const std::string& RowTag() const { return rowTag_; }
  // The second reader's cut, where its first row begins: false when the
  // first reader decided without it.
  bool Offer(std::uint64_t offset);
  // The second reader found no cut to offer.
  void NoCut();

 private:
  enum class State : unsigned char { kNoHead, kHeadKnown, kCut, kNoCut, kAbandoned };

  const std::uint64_t target_;
  std::mutex mutex_;
  std::condition_variable changed_;
  State state_ = State::kNoHead;
  std::uint64_t cut_ = 0;
  std::string markup_;
  std::size_t depth_ = 0;
  std::string rowTag_;
  std::atomic<bool> abandoned_{false};
};

// The first reader's bytes: the part's up to the target, then up to the cut
// where there is one, then `probe` (the rows' parent's end tag) and no more; with
// no cut, the part's to the end. The inner source is read in the chunk
// sizes asked for, from the start, as one reader of the part would.
class FirstPartSource final : public ChunkSource {
 public:
  FirstPartSource(ChunkSource& inner, CutPoint& point) : inner_(inner), point_(point), limit_(point.Target()) {}
  // Where a cut is, this ends the bytes (set before the reading gets there).
  void SetProbe(std::string probe) { probe_ = std::move(probe); }
  // The bytes go on to the part's end, no cut made: the rows were read
  // before it (as long as no bytes past it were asked for).
  void ReadOnAlone() {
    if (stage_ == Stage::kToTarget || stage_ == Stage::kToCut) stage_ = Stage::kAlone;
  }
  std::size_t Read(char* buffer, std::size_t capacity) override;
  const std::string& Failure() const override { return inner_.Failure(); }

  // Bytes past the cut were asked for: the probe was handed on.
  bool PastCut() const { return stage_ == Stage::kProbe || stage_ == Stage::kEnded; }
  // The UTF-16 units the bytes before the cut and the probe decode to (a
  // byte order mark left out), as the XML reader counts characters.
  std::uint64_t UnitsToProbeEnd() const;

 private:
  enum class Stage : unsigned char { kToTarget, kToCut, kProbe, kEnded, kAlone };
  void Reached();
  std::size_t FromHeld(char* buffer, std::size_t n);
  // `n` bytes handed on before the cut.
  void Count(const char* bytes, std::size_t n);

  ChunkSource& inner_;
  CutPoint& point_;
  std::string probe_;
  Stage stage_ = Stage::kToTarget;
  std::string held_;  // read from `inner_`, not yet handed on
  std::size_t heldAt_ = 0;
  std::uint64_t limit_;   // the target, then the cut
  std::uint64_t at_ = 0;  // the offset of the next byte handed on
  std::uint64_t units_ = 0;
  std::string firstBytes_;  // the part's first three
  std::size_t probeAt_ = 0;
};

// The second reader's start: reads `source` from the part's start to the
// first row start tag at or after the point's target (within kCutSearchBytes).
// True with the cut's offset and the bytes read from it on; false where
// there is none, the head never came, or the part is UTF-16.
inline constexpr std::uint64_t kCutSearchBytes = std::uint64_t{16} << 20;
bool FindCut(ChunkSource& source, CutPoint& point, std::uint64_t& cut, std::string& fromCut);

// The second reader's bytes: `head`, then `held`, then the rest of `inner`;
// none more once the first reader abandoned the second.
class SecondPartSource final : public ChunkSource {
 public:
  SecondPartSource(std::string head, std::string held, ChunkSource& inner, const CutPoint& point)
      : start_(std::move(head) + std::move(held)), inner_(inner), point_(point) {}
  std::size_t Read(char* buffer, std::size_t capacity) override;
  const std::string& Failure() const override { return inner_.Failure(); }

 private:
  std::string start_;
  std::size_t startAt_ = 0;
  ChunkSource& inner_;
  const CutPoint& point_;
};

}  // namespace tallowmere::input
