#pragma once
// Numbers that wait for their analysis, held in two or four bytes each
// instead of eight. The analyser reads every column of a table before it
// analyses the first, and the first one's sort then needs room beside all
// of them; numbers read from decimal text of a few digits are whole numbers
// over one power of ten, and held as those whole numbers they take a
// quarter or half of the room. A list is packed only when every one of its
// numbers comes back from its whole number to the same bits (so never a
// NaN, an infinity or a -0), and comes back exactly so. Plain C++: no Qt.
#include <cstddef>

namespace tallowmere::input {

// How a list is packed: each number as a whole number of `width` bytes,
// the number being that whole number divided by 10^scale.
struct PackedForm {
  int width = 0;  // 2 or 4; 0: the list does not pack
  int scale = 0;  // 0 .. kMostPackedScale
  bool Packs() const { return width != 0; }
  bool operator==(const PackedForm&) const = default;
};

inline constexpr int kMostPackedScale = 9;

// Packs the n numbers at `numbers`, in place, in the narrowest form with
// the fewest decimal places that holds every one of them exactly: into the
// first n * width bytes of the same room, the rest of which is left as it
// was. The form, or width 0 where none holds them all: the numbers are then
// as they were, to the bit. (An empty list packs as width 2 at no places.)
PackedForm PackWhereExact(double* numbers, std::size_t n) noexcept;

// The numbers back from their packed form, in the same room, to the bit.
void UnpackInPlace(double* numbers, std::size_t n, PackedForm form) noexcept;
// Numbers begin .. end - 1 of those packed in `packed`, into the same
// places of another room.
void UnpackInto(const double* packed, std::size_t begin, std::size_t end, PackedForm form, double* into) noexcept;

}  // namespace tallowmere::input
