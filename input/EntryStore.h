#pragma once
// The texts of the number list, stored compactly so that the list can hold
// millions of entries: all texts live in one growing buffer and each entry is
// a small record pointing into it. Plain C++: the list model shows it.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class EntryStore {
 public:
  std::size_t Size() const { return records_.size(); }
  bool Empty() const { return records_.empty(); }
  std::string_view Text(std::size_t index) const;

  void Append(std::string_view text);
  void Remove(std::size_t index);
  void Clear();
  void SetText(std::size_t index, std::string_view text);
  void SwapTexts(std::size_t a, std::size_t b);
  void Reserve(std::size_t entries, std::size_t bytes);

  // Memory held, for the benchmarks.
  std::size_t CapacityBytes() const;

 private:
#pragma pack(push, 4)
  struct Record {
    std::uint64_t offset;
    std::uint32_t length;
  };
#pragma pack(pop)
  std::vector<char> buffer_;
  std::vector<Record> records_;
};
