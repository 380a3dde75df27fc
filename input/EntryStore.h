#pragma once
// The texts of the number list, stored compactly so that the list can hold
// millions of entries: all texts live in one growing buffer and each entry is
// a small record pointing into it. Plain C++: the list model shows it.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tallowmere::input {

class EntryStore {
 public:
  EntryStore() = default;
  ~EntryStore();
  EntryStore(const EntryStore&) = delete;
  EntryStore& operator=(const EntryStore&) = delete;
  // Moving hands the buffers over whole: a list of millions of entries
  // changes owner without a copy, and the one moved from is left empty.
  EntryStore(EntryStore&& other) noexcept;
  EntryStore& operator=(EntryStore&& other) noexcept;

  std::size_t Size() const { return records_.size; }
  std::string_view Text(std::size_t index) const;
  // Whether the entry came from list text that passed the number test (see
  // EntrySink::AppendTestedText); it goes with its text wherever it moves.
  bool PassedNumberTest(std::size_t index) const;

  void Append(std::string_view text, bool passedNumberTest = false);
  void Remove(std::size_t index);
  void Clear();
  void SwapTexts(std::size_t a, std::size_t b);
  // Puts an entry at `index`, moving the entries from there on one down.
  void Insert(std::size_t index, std::string_view text, bool passedNumberTest);
  // The entries from `from` on, taken out into a store of their own; this
  // one keeps the ones before. Taking them all hands the buffers over.
  EntryStore CutTail(std::size_t from);
  // A store of copies of the first `count` entries, flags and all.
  EntryStore Head(std::size_t count) const;
  // Appends every entry of `tail`, flags and all, and leaves it empty. An
  // empty store takes the tail's buffers over instead.
  void AppendAll(EntryStore&& tail);

 private:
#pragma pack(push, 4)
  struct Record {
    std::uint64_t offset : 63;
    std::uint64_t tested : 1;
    std::uint32_t length;
  };
#pragma pack(pop)

  // A growing array of trivially copyable elements: a small one on the
  // heap (malloc and realloc), a big one (from core::kBigBytes on) from the
  // program's big memory, whose resizing moves a block to a larger place
  // without copying it and keeps the pages already filled, so a list that
  // grows to millions of entries is neither copied nor faulted in again on
  // the way.
  template <class T>
  struct Array {
    T* data = nullptr;
    std::size_t size = 0;
    std::size_t capacity = 0;
  };

  // Moves a block of `oldBytes` (null when 0) to one of `newBytes`,
  // keeping what both hold, from the heap or from big memory by the sizes.
  // Throws std::bad_alloc, leaving the block as it was, when it cannot.
  static void* Resized(void* data, std::size_t oldBytes, std::size_t newBytes);
  static void Release(void* data, std::size_t bytes) noexcept;
  template <class T>
  static void Release(Array<T>& a) noexcept {
    Release(a.data, a.capacity * sizeof(T));
  }
  // Makes room for `needed` elements: at least double the room, so that
  // appends are cheap on average.
  static void Grow(void*& data, std::size_t& capacity, std::size_t elementSize, std::size_t needed);
  // Gives back the room beyond what is held when that is more than half
  // of it: a cut that took millions of entries frees their pages.
  template <class T>
  static void ShrinkToHeld(Array<T>& a);
  template <class T>
  static void Ensure(Array<T>& a, std::size_t needed) {
    if (needed > a.capacity) {
      void* p = a.data;
      Grow(p, a.capacity, sizeof(T), needed);
      a.data = static_cast<T*>(p);
    }
  }

  Array<char> buffer_;
  Array<Record> records_;
};

}  // namespace tallowmere::input
