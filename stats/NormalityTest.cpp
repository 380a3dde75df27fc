#include "stats/NormalityTest.h"

namespace tallowmere::stats {

const char* PlainReading(double pValue) {
  return pValue < kNormalityLevel ? kUnlikelyNormal : kNoEvidenceAgainstNormality;
}

}  // namespace tallowmere::stats
