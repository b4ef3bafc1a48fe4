// Constants and tables of the correctly rounded float functions, written by
// scripts/fastmath_tables.py from 400-bit arithmetic.
#pragma once

#include <cstdint>

#include "common/fastmath/DoubleDouble.h"

namespace fastmath {
namespace tables {

// 64 zero bits, then the first 256 bits of the fraction 1/(2 pi).
extern const uint64_t kInvTwoPiBits[5];
// sin(2 pi k / 64) for k = 0..79; cos(2 pi k / 64) is entry k + 16.
extern const DoublePair kSinSixtyFourths[80];

// Per top seven mantissa bits of m in [1, 2): a reciprocal c with at most 11
// bits, so that m c (or m / 2 c from index 53 on) is exact and near 1, and
// -log2 c.
struct LogEntry {
    double reciprocal;
    double minusLog2Hi;
    double minusLog2Lo;
};
extern const LogEntry kLog2Table[128];
extern const DoublePair kExp2Sixtyfourths[64];  // 2^(j / 64)

extern const DoublePair kInverseFactorial[20];  // 1 / n!
extern const DoublePair kInverse[20];           // 1 / n (entry 0 unused)
extern const DoublePair kPiOver32;
// 32/pi as a sum of three doubles, the first two of 29 bits each.
extern const double kSectorsPerRadian[3];
extern const DoublePair kLn2;
extern const DoublePair kInvLn2;

}  // namespace tables
}  // namespace fastmath
