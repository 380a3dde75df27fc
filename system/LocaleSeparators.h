#pragma once
// The user's decimal and digit-grouping separators, digits and group sizes,
// as the system locale has them. Read once at start-up; the value is then
// passed to whatever reads or writes numbers.
#include "numtext/Separators.h"

class QLocale;

namespace tallowmere::system {

// How `locale` writes numbers.
numtext::Separators LocaleSeparators(const QLocale& locale);

// LocaleSeparators of the system locale.
numtext::Separators SystemSeparators();

}  // namespace tallowmere::system
