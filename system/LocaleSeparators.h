#pragma once
// The user's decimal and digit-grouping separators, as the system locale has
// them. Read once at start-up; the value is then passed to whatever reads or
// writes numbers.
#include "numtext/Separators.h"

namespace tallowmere::system {

numtext::Separators SystemSeparators();

}  // namespace tallowmere::system
