#pragma once
// The labels of the rows that name a figure the user chose (a level, a
// share, a percentile): made when a run asks for them and kept for the rest
// of the program, since rows hold their key and label as views. Plain C++:
// no Qt.
#include <cstddef>

#include "numtext/Separators.h"
#include "results/RowLabels.h"

namespace tallowmere::results {

// `label` with %1 as `figure`: in the key with '.' ("ci99.5_low"), in the
// translated label with the user's decimal separator ("99,5").
RowLabel FigureRowLabel(const FigureLabel& label, double figure, const numtext::Separators& sep);

// The row of the percentile `percent` (0 to 100): key "p5", "p2.5"; label
// "The 5th percentile is: ".
RowLabel PercentileRowLabel(double percent, const numtext::Separators& sep);

// Which of kPercentileLabels names the percentile `percent`: by the English
// ordinal's ending of a whole percent (1st, 2nd, 3rd, 11th), "th" for any
// other. Other tables of percentiles name theirs alike.
std::size_t PercentileOrdinal(double percent);

}  // namespace tallowmere::results
