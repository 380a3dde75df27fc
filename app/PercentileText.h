#pragma once
// The percentiles a user types for the distribution window's table, in the
// user's own numbers: "5, 95", "2.5; 50; 97.5", and where the decimal
// separator is a comma "2,5; 97,5" (the comma then never parts them). The
// settings keep them in one form for every language, so that a list stored
// under one language reads the same under another.
#include <QString>
#include <span>
#include <vector>

#include "numtext/Separators.h"

namespace tallowmere::app {

// What settings hold when nothing was stored: the 5th and the 95th.
inline constexpr const char* kDefaultStoredPercentiles = "5;95";

struct PercentileEntry {
  // Each percentile once, in the order first typed (0 and -0 are one).
  std::vector<double> percentiles;
  // Why the text is no list of percentiles, in the user's language; empty
  // when it is one.
  QString error;
  bool Good() const { return error.isEmpty(); }
};

// Reads a typed list: parts parted by ';', and by ',' too unless ',' is the
// decimal separator; each part a number in the user's separators (or with
// '.' as its decimal point), a '%' after it allowed, from 0 to 100. Spaces
// around parts and empty parts are passed over: an empty text is a list of
// none.
PercentileEntry ReadPercentiles(const QString& text, const numtext::Separators& sep);

// The list as the field shows it: "5, 95"; "2,5; 97,5" with a decimal comma.
QString PercentilesText(std::span<const double> percentiles, const numtext::Separators& sep);

// The list as settings keep it ("2.5;97.5"), and read back: a stored text
// that is no list gives the default's.
QString StoredPercentiles(std::span<const double> percentiles);
std::vector<double> ReadStoredPercentiles(const QString& stored);

}  // namespace tallowmere::app
