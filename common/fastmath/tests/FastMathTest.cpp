// The correctly rounded float functions against values computed with
// 300-bit arithmetic, against an independent long-double reference on large
// samples (no wrong rounding allowed), on exact cases and special values; and
// a check that the standard names in a linked program are these functions.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <algorithm>
#include <limits>
#include <random>
#include <vector>

#include "common/fastmath/FastMath.h"
#include "common/fastmath/PowPairApproximate.h"
#include "common/fastmath/SteppedSinCos.h"
#include "common/fastmath/tests/LongDoubleReference.h"

namespace {

constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

uint32_t Bits(float x) {
    uint32_t u;
    std::memcpy(&u, &x, sizeof u);
    return u;
}

float FromBits(uint32_t u) {
    float x;
    std::memcpy(&x, &u, sizeof x);
    return x;
}

// Same float, signed zeros and NaNs included.
::testing::AssertionResult Same(float expected, float actual) {
    if ((std::isnan(expected) && std::isnan(actual)) || Bits(expected) == Bits(actual))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "expected " << std::hexfloat << expected << ", got "
                                         << actual;
}

// Same double, signed zeros and NaNs included.
::testing::AssertionResult SameDouble(double expected, double actual) {
    if ((std::isnan(expected) && std::isnan(actual)) ||
        std::memcmp(&expected, &actual, sizeof expected) == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "expected " << std::hexfloat << expected << ", got "
                                         << actual;
}

struct SinCosCase {
    float x, sine, cosine;
};

// Rounded from 300-bit values: huge arguments, floats next to multiples of
// pi/2, and arguments spread over the exponent range.
const SinCosCase kKnownSinCos[] = {
    {0x1.0f0cf00000000p+73f, -0x1.77d9880000000p-1f, 0x1.5badee0000000p-1f},
    {-0x1.0f0cf00000000p+73f, 0x1.77d9880000000p-1f, 0x1.5badee0000000p-1f},
    {0x1.fffffe0000000p+127f, -0x1.0b33660000000p-1f, 0x1.b4bf2c0000000p-1f},
    {-0x1.fffffe0000000p+127f, 0x1.0b33660000000p-1f, 0x1.b4bf2c0000000p-1f},
    {0x1.0000000000000p+100f, -0x1.be8eda0000000p-1f, 0x1.f4eb400000000p-2f},
    {-0x1.0000000000000p+100f, 0x1.be8eda0000000p-1f, 0x1.f4eb400000000p-2f},
    {0x1.8000000000000p+127f, 0x1.b177e20000000p-1f, 0x1.107cb60000000p-1f},
    {-0x1.8000000000000p+127f, -0x1.b177e20000000p-1f, 0x1.107cb60000000p-1f},
    {0x1.921fb60000000p+1f, -0x1.777a5c0000000p-24f, -0x1.0000000000000p+0f},
    {-0x1.921fb60000000p+1f, 0x1.777a5c0000000p-24f, -0x1.0000000000000p+0f},
    {0x1.921fb60000000p+0f, 0x1.0000000000000p+0f, -0x1.777a5c0000000p-25f},
    {-0x1.921fb60000000p+0f, -0x1.0000000000000p+0f, -0x1.777a5c0000000p-25f},
    {0x1.921fb60000000p+2f, 0x1.777a5c0000000p-23f, 0x1.0000000000000p+0f},
    {-0x1.921fb60000000p+2f, -0x1.777a5c0000000p-23f, 0x1.0000000000000p+0f},
    {0x1.9000000000000p+6f, -0x1.03425c0000000p-1f, 0x1.b981dc0000000p-1f},
    {-0x1.9000000000000p+6f, 0x1.03425c0000000p-1f, 0x1.b981dc0000000p-1f},
    {0x1.e848000000000p+19f, -0x1.6664b20000000p-2f, 0x1.df9dfa0000000p-1f},
    {-0x1.e848000000000p+19f, 0x1.6664b20000000p-2f, 0x1.df9dfa0000000p-1f},
    {0x1.2a05f20000000p+33f, -0x1.f334c80000000p-2f, 0x1.bf098a0000000p-1f},
    {-0x1.2a05f20000000p+33f, 0x1.f334c80000000p-2f, 0x1.bf098a0000000p-1f},
    {0x1.81cd6e0000000p+13f, -0x1.683b260000000p-1f, 0x1.6bd65a0000000p-1f},
    {-0x1.81cd6e0000000p+13f, 0x1.683b260000000p-1f, 0x1.6bd65a0000000p-1f},
    {0x1.0000000000000p-1f, 0x1.eaee880000000p-2f, 0x1.c152800000000p-1f},
    {-0x1.0000000000000p-1f, -0x1.eaee880000000p-2f, 0x1.c152800000000p-1f},
    {0x1.0000000000000p+0f, 0x1.aed5480000000p-1f, 0x1.14a2800000000p-1f},
    {-0x1.0000000000000p+0f, -0x1.aed5480000000p-1f, 0x1.14a2800000000p-1f},
    {0x1.0000000000000p+1f, 0x1.d18f6e0000000p-1f, -0x1.aa22660000000p-2f},
    {-0x1.0000000000000p+1f, -0x1.d18f6e0000000p-1f, -0x1.aa22660000000p-2f},
    {0x1.0624de0000000p-10f, 0x1.0624dc0000000p-10f, 0x1.fffff00000000p-1f},
    {-0x1.0624de0000000p-10f, -0x1.0624dc0000000p-10f, 0x1.fffff00000000p-1f},
    {0x1.6300000000000p+9f, 0x1.f9bd040000000p-15f, 0x1.0000000000000p+0f},
    {-0x1.6300000000000p+9f, -0x1.f9bd040000000p-15f, 0x1.0000000000000p+0f},
    {0x1.0000000000000p-12f, 0x1.0000000000000p-12f, 0x1.0000000000000p+0f},
    {-0x1.0000000000000p-12f, -0x1.0000000000000p-12f, 0x1.0000000000000p+0f},
    {0x1.e6b4380000000p+70f, -0x1.cc86100000000p-1f, -0x1.bf7d960000000p-2f},
    {-0x1.e6b4380000000p+70f, 0x1.cc86100000000p-1f, -0x1.bf7d960000000p-2f},
    {0x1.9e0d360000000p+26f, -0x1.23a1720000000p-1f, -0x1.a4d3c60000000p-1f},
    {-0x1.9e0d360000000p+26f, 0x1.23a1720000000p-1f, -0x1.a4d3c60000000p-1f},
    {0x1.13270e0000000p+89f, -0x1.7d0ed20000000p-2f, -0x1.db3aa80000000p-1f},
    {-0x1.13270e0000000p+89f, 0x1.7d0ed20000000p-2f, -0x1.db3aa80000000p-1f},
    {0x1.5c7fd00000000p+0f, 0x1.f4cee80000000p-1f, 0x1.a9ddca0000000p-3f},
    {-0x1.5c7fd00000000p+0f, -0x1.f4cee80000000p-1f, 0x1.a9ddca0000000p-3f},
    {0x1.8b2f320000000p+6f, -0x1.f91f980000000p-1f, -0x1.4e87640000000p-3f},
    {-0x1.8b2f320000000p+6f, 0x1.f91f980000000p-1f, -0x1.4e87640000000p-3f},
    {0x1.2f902a0000000p+125f, 0x1.079ea20000000p-2f, -0x1.eebe160000000p-1f},
    {-0x1.2f902a0000000p+125f, -0x1.079ea20000000p-2f, -0x1.eebe160000000p-1f},
    {0x1.18e8100000000p+12f, 0x1.cbc5680000000p-1f, -0x1.c293460000000p-2f},
    {-0x1.18e8100000000p+12f, -0x1.cbc5680000000p-1f, -0x1.c293460000000p-2f},
    {0x1.9dc9f80000000p+81f, -0x1.860b1e0000000p-2f, -0x1.d967340000000p-1f},
    {-0x1.9dc9f80000000p+81f, 0x1.860b1e0000000p-2f, -0x1.d967340000000p-1f},
    {0x1.d904740000000p+2f, 0x1.ca13540000000p-1f, 0x1.c96e640000000p-2f},
    {-0x1.d904740000000p+2f, -0x1.ca13540000000p-1f, 0x1.c96e640000000p-2f},
    {0x1.e74ef40000000p+117f, 0x1.cb66c20000000p-1f, 0x1.c414ce0000000p-2f},
    {-0x1.e74ef40000000p+117f, -0x1.cb66c20000000p-1f, 0x1.c414ce0000000p-2f},
    {0x1.f675cc0000000p+42f, -0x1.62a40a0000000p-1f, -0x1.7149d60000000p-1f},
    {-0x1.f675cc0000000p+42f, 0x1.62a40a0000000p-1f, -0x1.7149d60000000p-1f},
    {0x1.9950d80000000p-3f, 0x1.9698a40000000p-3f, 0x1.f5cee60000000p-1f},
    {-0x1.9950d80000000p-3f, -0x1.9698a40000000p-3f, 0x1.f5cee60000000p-1f},
    {0x1.00a35a0000000p+10f, 0x1.5c69080000000p-1f, -0x1.772c1e0000000p-1f},
    {-0x1.00a35a0000000p+10f, -0x1.5c69080000000p-1f, -0x1.772c1e0000000p-1f},
    {0x1.03675a0000000p+99f, 0x1.bc9bd60000000p-1f, 0x1.fbceac0000000p-2f},
    {-0x1.03675a0000000p+99f, -0x1.bc9bd60000000p-1f, 0x1.fbceac0000000p-2f},
    {0x1.0d549a0000000p+95f, 0x1.4b24020000000p-4f, 0x1.fe52f60000000p-1f},
    {-0x1.0d549a0000000p+95f, -0x1.4b24020000000p-4f, 0x1.fe52f60000000p-1f},
    {0x1.e20b8e0000000p+5f, -0x1.124c400000000p-1f, -0x1.b053220000000p-1f},
    {-0x1.e20b8e0000000p+5f, 0x1.124c400000000p-1f, -0x1.b053220000000p-1f},
    {0x1.9c17240000000p+49f, 0x1.66f1c60000000p-2f, 0x1.df83980000000p-1f},
    {-0x1.9c17240000000p+49f, -0x1.66f1c60000000p-2f, 0x1.df83980000000p-1f},
    {0x1.38f7d80000000p+11f, 0x1.aa24ec0000000p-4f, -0x1.fd38b40000000p-1f},
    {-0x1.38f7d80000000p+11f, -0x1.aa24ec0000000p-4f, -0x1.fd38b40000000p-1f},
    {0x1.ad4a260000000p+96f, 0x1.ba74e80000000p-4f, 0x1.fd010a0000000p-1f},
    {-0x1.ad4a260000000p+96f, -0x1.ba74e80000000p-4f, 0x1.fd010a0000000p-1f},
    {0x1.21ddb60000000p+3f, 0x1.6eea6c0000000p-2f, -0x1.de00dc0000000p-1f},
    {-0x1.21ddb60000000p+3f, -0x1.6eea6c0000000p-2f, -0x1.de00dc0000000p-1f},
    {0x1.b17c220000000p+19f, 0x1.4107480000000p-1f, 0x1.8edab20000000p-1f},
    {-0x1.b17c220000000p+19f, -0x1.4107480000000p-1f, 0x1.8edab20000000p-1f},
    {0x1.2630580000000p+45f, -0x1.e5766a0000000p-3f, 0x1.f1685c0000000p-1f},
    {-0x1.2630580000000p+45f, 0x1.e5766a0000000p-3f, 0x1.f1685c0000000p-1f},
    {0x1.d630f00000000p+3f, 0x1.b2cbca0000000p-1f, -0x1.0e5d0a0000000p-1f},
    {-0x1.d630f00000000p+3f, -0x1.b2cbca0000000p-1f, -0x1.0e5d0a0000000p-1f},
    {0x1.8cda140000000p+89f, -0x1.3c51de0000000p-3f, -0x1.f9db280000000p-1f},
    {-0x1.8cda140000000p+89f, 0x1.3c51de0000000p-3f, -0x1.f9db280000000p-1f},
    {0x1.b1e29c0000000p+0f, 0x1.fc10820000000p-1f, -0x1.fae0ec0000000p-4f},
    {-0x1.b1e29c0000000p+0f, -0x1.fc10820000000p-1f, -0x1.fae0ec0000000p-4f},
    {0x1.98d1900000000p+44f, -0x1.59ad200000000p-1f, 0x1.79b1600000000p-1f},
    {-0x1.98d1900000000p+44f, 0x1.59ad200000000p-1f, 0x1.79b1600000000p-1f},
    {0x1.ecd7b00000000p-1f, 0x1.a42ee40000000p-1f, 0x1.248ed00000000p-1f},
    {-0x1.ecd7b00000000p-1f, -0x1.a42ee40000000p-1f, 0x1.248ed00000000p-1f},
    {0x1.17beac0000000p+22f, 0x1.6b41d20000000p-2f, 0x1.deb3920000000p-1f},
    {-0x1.17beac0000000p+22f, -0x1.6b41d20000000p-2f, 0x1.deb3920000000p-1f},
    {0x1.23d5960000000p+62f, 0x1.6bb3e20000000p-4f, 0x1.fdfa420000000p-1f},
    {-0x1.23d5960000000p+62f, -0x1.6bb3e20000000p-4f, 0x1.fdfa420000000p-1f},
    {0x1.4cb2420000000p+95f, 0x1.d832ca0000000p-1f, 0x1.8bd7800000000p-2f},
    {-0x1.4cb2420000000p+95f, -0x1.d832ca0000000p-1f, 0x1.8bd7800000000p-2f},
    {0x1.ede6a40000000p+24f, -0x1.c294780000000p-1f, -0x1.e64c900000000p-2f},
    {-0x1.ede6a40000000p+24f, 0x1.c294780000000p-1f, -0x1.e64c900000000p-2f},
    {0x1.6a63ec0000000p+126f, 0x1.d255660000000p-2f, 0x1.c7d36e0000000p-1f},
    {-0x1.6a63ec0000000p+126f, -0x1.d255660000000p-2f, 0x1.c7d36e0000000p-1f},
    {0x1.27a1c00000000p+18f, 0x1.3d99de0000000p-7f, -0x1.fff9d80000000p-1f},
    {-0x1.27a1c00000000p+18f, -0x1.3d99de0000000p-7f, -0x1.fff9d80000000p-1f},
    {0x1.f8aa380000000p+66f, -0x1.3a61e40000000p-1f, -0x1.941d0e0000000p-1f},
    {-0x1.f8aa380000000p+66f, 0x1.3a61e40000000p-1f, -0x1.941d0e0000000p-1f},
    {0x1.44158a0000000p+34f, -0x1.45433c0000000p-1f, 0x1.8b68b00000000p-1f},
    {-0x1.44158a0000000p+34f, 0x1.45433c0000000p-1f, 0x1.8b68b00000000p-1f},
    {0x1.61dbe20000000p+14f, 0x1.64b1200000000p-1f, -0x1.6f4ec00000000p-1f},
    {-0x1.61dbe20000000p+14f, -0x1.64b1200000000p-1f, -0x1.6f4ec00000000p-1f},
    {0x1.1850c40000000p+36f, 0x1.198aa20000000p-4f, 0x1.feca000000000p-1f},
    {-0x1.1850c40000000p+36f, -0x1.198aa20000000p-4f, 0x1.feca000000000p-1f},
    {0x1.5572020000000p+83f, 0x1.0f9da40000000p-2f, 0x1.eda8f80000000p-1f},
    {-0x1.5572020000000p+83f, -0x1.0f9da40000000p-2f, 0x1.eda8f80000000p-1f},
    {0x1.f135d20000000p+12f, 0x1.810d060000000p-1f, 0x1.5175fa0000000p-1f},
    {-0x1.f135d20000000p+12f, -0x1.810d060000000p-1f, 0x1.5175fa0000000p-1f},
    {0x1.12f0360000000p+4f, -0x1.fdaf900000000p-1f, -0x1.8500500000000p-4f},
    {-0x1.12f0360000000p+4f, 0x1.fdaf900000000p-1f, -0x1.8500500000000p-4f},
};

struct PowCase {
    float x, y, power;
};

const PowCase kKnownPow[] = {
    {0x1.0000000000000p+1f, 0x1.0000000000000p-1f, 0x1.6a09e60000000p+0f},
    {0x1.4000000000000p+3f, 0x1.3000000000000p+5f, 0x1.2ced320000000p+126f},
    {0x1.4000000000000p+3f, 0x1.3800000000000p+5f, kInf},
    {0x1.0000000000000p-1f, 0x1.2a00000000000p+7f, 0x1.0000000000000p-149f},
    {0x1.0000000000000p-1f, 0x1.2c00000000000p+7f, 0.0f},
    {0x1.8000000000000p+1f, 0x1.4200000000000p+6f, 0x1.8134640000000p+127f},
    {0x1.0000020000000p+0f, 0x1.7d78400000000p+26f, 0x1.25b6920000000p+17f},
    {0x1.fffffe0000000p-1f, 0x1.dcd6500000000p+29f, 0x1.018b200000000p-86f},
    {0x1.8000000000000p+0f, -0x1.9000000000000p+7f, 0x1.0155940000000p-117f},
    {0x1.c000000000000p+2f, 0x1.5555560000000p-2f, 0x1.e9b5dc0000000p+0f},
    {0x1.34a0000000000p+10f, 0x1.6d91680000000p+0f, 0x1.95f2680000000p+14f},
    {0x1.75c2900000000p-1f, 0x1.b6c8b40000000p+0f, 0x1.2a8abe0000000p-1f},
    {0x1.0f4e180000000p+11f, 0x1.7a102c0000000p-3f, 0x1.084ee40000000p+2f},
    {0x1.ceed360000000p+12f, -0x1.d2e6d60000000p-1f, 0x1.3652e40000000p-12f},
    {0x1.e2a0a40000000p+8f, 0x1.40f68a0000000p+1f, 0x1.4730da0000000p+22f},
    {0x1.aed60e0000000p+6f, -0x1.41afca0000000p+0f, 0x1.6e45ee0000000p-9f},
    {0x1.e635e20000000p+7f, 0x1.a01f200000000p+0f, 0x1.d7fc5a0000000p+12f},
    {0x1.92152a0000000p+4f, -0x1.32f61e0000000p+0f, 0x1.5727b80000000p-6f},
    {0x1.f31c4e0000000p+0f, 0x1.70298c0000000p-2f, 0x1.4574220000000p+0f},
    {0x1.cfa37e0000000p+0f, -0x1.53d1cc0000000p-1f, 0x1.59339e0000000p-1f},
    {0x1.61add40000000p+11f, 0x1.66e9020000000p-1f, 0x1.06cd5c0000000p+8f},
    {0x1.ce68e40000000p+9f, -0x1.faffc80000000p+0f, 0x1.66a5840000000p-20f},
    {0x1.fdc0b80000000p+3f, 0x1.9736600000000p+0f, 0x1.46e03e0000000p+6f},
    {0x1.36c9400000000p+2f, -0x1.4af52a0000000p-1f, 0x1.70b6100000000p-2f},
    {0x1.c731e20000000p-4f, 0x1.18703c0000000p+1f, 0x1.0a0ae60000000p-7f},
    {0x1.61431c0000000p+6f, -0x1.a8ebd20000000p-1f, 0x1.8d84960000000p-6f},
    {0x1.f21f040000000p+3f, 0x1.3743aa0000000p-2f, 0x1.26d8f00000000p+1f},
    {0x1.a595f00000000p+8f, -0x1.afd1b00000000p+0f, 0x1.395d560000000p-15f},
    {0x1.412f920000000p-6f, 0x1.9ef77c0000000p-3f, 0x1.cda0d40000000p-2f},
    {0x1.dbc1ae0000000p+10f, -0x1.4147060000000p+0f, 0x1.415bbc0000000p-14f},
    {0x1.e248480000000p+3f, 0x1.cd2a520000000p-1f, 0x1.7067f80000000p+3f},
    {0x1.0513f80000000p+12f, -0x1.fc98500000000p+0f, 0x1.1301400000000p-24f},
    {0x1.8e80620000000p+11f, 0x1.a64efa0000000p+0f, 0x1.25eaee0000000p+19f},
    {0x1.334e5a0000000p-5f, -0x1.5fd7a00000000p-1f, 0x1.3176fe0000000p+3f},
    {0x1.a357b00000000p+1f, 0x1.caf4100000000p+0f, 0x1.0c95420000000p+3f},
    {0x1.40bc220000000p+14f, -0x1.428f5a0000000p-1f, 0x1.f73d4e0000000p-10f},
    {0x1.f101000000000p-6f, 0x1.7a136e0000000p-1f, 0x1.3603440000000p-4f},
    {0x1.b547900000000p+13f, -0x1.c8560c0000000p+0f, 0x1.5da8ea0000000p-25f},
    {0x1.1b68140000000p+2f, 0x1.1619d20000000p+0f, 0x1.4241520000000p+2f},
    {0x1.659a620000000p+14f, -0x1.6355580000000p+0f, 0x1.dd2d5a0000000p-21f},
    {0x1.b8d5e00000000p-7f, 0x1.b18d4c0000000p+0f, 0x1.63523e0000000p-11f},
    {0x1.5ff6440000000p+4f, -0x1.ac14de0000000p-1f, 0x1.35084a0000000p-4f},
    {0x1.8ca7260000000p+12f, 0x1.efcfea0000000p-3f, 0x1.0a849e0000000p+3f},
    {0x1.cc55400000000p+8f, -0x1.3c5e8c0000000p-1f, 0x1.7294f40000000p-6f},
    {0x1.fb8ede0000000p-1f, 0x1.4ca91c0000000p-1f, 0x1.fd1c0c0000000p-1f},
    {0x1.238e180000000p-3f, -0x1.fd8ebe0000000p-1f, 0x1.bd668a0000000p+2f},
    {0x1.bb93ea0000000p+5f, 0x1.20aa3c0000000p+0f, 0x1.72372c0000000p+6f},
    {0x1.e362060000000p+8f, -0x1.5283e60000000p-1f, 0x1.1336380000000p-6f},
    {0x1.52df620000000p-2f, 0x1.97ef900000000p+0f, 0x1.5f95c80000000p-3f},
    {0x1.da450e0000000p+5f, -0x1.1c81dc0000000p+0f, 0x1.5ed2640000000p-7f},
    {0x1.61b2ee0000000p-3f, 0x1.71b5540000000p+0f, 0x1.4442cc0000000p-4f},
    {0x1.9b660a0000000p+10f, -0x1.1d1a680000000p+0f, 0x1.128e860000000p-12f},
};

TEST(FastMathTest, KnownValuesFromHighPrecisionArithmetic) {
    for (const SinCosCase& c : kKnownSinCos) {
        EXPECT_TRUE(Same(c.sine, fastmath::Sin(c.x))) << "sin " << std::hexfloat << c.x;
        EXPECT_TRUE(Same(c.cosine, fastmath::Cos(c.x))) << "cos " << std::hexfloat << c.x;
    }
    for (const PowCase& c : kKnownPow)
        EXPECT_TRUE(Same(c.power, fastmath::Pow(c.x, c.y)))
            << "pow " << std::hexfloat << c.x << " " << c.y;
}

TEST(FastMathTest, SpecialValuesOfSineAndCosine) {
    const float smallest = std::numeric_limits<float>::denorm_min();
    const struct {
        float x, sine, cosine;
    } cases[] = {
        {0.0f, 0.0f, 1.0f},           {-0.0f, -0.0f, 1.0f},
        {kInf, kNaN, kNaN},           {-kInf, kNaN, kNaN},
        {kNaN, kNaN, kNaN},           {smallest, smallest, 1.0f},
        {-smallest, -smallest, 1.0f}, {FLT_MIN, FLT_MIN, 1.0f},
        {0x1p-13f, 0x1p-13f, 1.0f},   {-0x1.fffffep-13f, -0x1.fffffep-13f, 1.0f},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(Same(c.sine, fastmath::Sin(c.x))) << std::hexfloat << c.x;
        EXPECT_TRUE(Same(c.cosine, fastmath::Cos(c.x))) << std::hexfloat << c.x;
        float s, co;
        fastmath::SinCos(c.x, &s, &co);
        EXPECT_TRUE(Same(c.sine, s));
        EXPECT_TRUE(Same(c.cosine, co));
    }
}

TEST(FastMathTest, SpecialValuesOfPow) {
    const struct {
        float x, y, power;
    } cases[] = {
        {kNaN, 0.0f, 1.0f},     {kNaN, -0.0f, 1.0f},   {1.0f, kNaN, 1.0f},
        {1.0f, kInf, 1.0f},     {kNaN, 1.0f, kNaN},    {2.0f, kNaN, kNaN},
        {-1.0f, kInf, 1.0f},    {-1.0f, -kInf, 1.0f},  {0.5f, kInf, 0.0f},
        {0.5f, -kInf, kInf},    {2.0f, kInf, kInf},    {2.0f, -kInf, 0.0f},
        {-0.0f, -3.0f, -kInf},  {0.0f, -3.0f, kInf},   {-0.0f, -2.0f, kInf},
        {-0.0f, -0.5f, kInf},   {-0.0f, 3.0f, -0.0f},  {-0.0f, 2.0f, 0.0f},
        {0.0f, 0.5f, 0.0f},     {-kInf, -3.0f, -0.0f}, {-kInf, -2.0f, 0.0f},
        {-kInf, 3.0f, -kInf},   {-kInf, 2.5f, kInf},   {kInf, -1.0f, 0.0f},
        {kInf, 0.5f, kInf},     {-2.0f, 0.5f, kNaN},   {-2.0f, 3.0f, -8.0f},
        {-2.0f, 2.0f, 4.0f},    {-2.0f, -1.0f, -0.5f}, {-8.0f, 0x1p30f, kInf},
        {-0.5f, 0x1p30f, 0.0f}, {2.0f, 128.0f, kInf},  {2.0f, 127.0f, 0x1p127f},
        {2.0f, -149.0f, 0x1p-149f}, {2.0f, -150.0f, 0.0f}, {0x1p-149f, 0.5f, 0x1.6a09e6p-75f},
        {0x1.8p-140f, 1.0f, 0x1.8p-140f}, {4.0f, -0.5f, 0.5f}, {9.0f, 1.5f, 27.0f},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(Same(c.power, fastmath::Pow(c.x, c.y)))
            << std::hexfloat << c.x << " ^ " << c.y;
}

// The pair shares its log but must give exactly the two single powers: on
// special bases and exponents, and on sampled bases with the kernels'
// exponent pair and random ones.
TEST(FastMathTest, PowPairGivesTheTwoPowers) {
    const float specials[] = {0.0f, -0.0f, 1.0f, -1.0f, kInf, -kInf, kNaN, 0x1p-149f, -2.0f,
                              0.5f, 4.0f, 9.0f, 0x1.fffffep127f, 0x1p-126f};
    const float exponents[] = {1.428f, 1.714f, 0.0f, -0.0f, 1.0f, 2.0f, 3.0f, -0.5f,
                               kInf, -kInf, kNaN, 128.0f, -150.0f, 0x1p30f};
    const auto check = [](float x, float y1, float y2) {
        float first = 0, second = 0;
        fastmath::PowPair(x, y1, y2, &first, &second);
        EXPECT_TRUE(Same(fastmath::Pow(x, y1), first)) << std::hexfloat << x << " ^ " << y1;
        EXPECT_TRUE(Same(fastmath::Pow(x, y2), second)) << std::hexfloat << x << " ^ " << y2;
    };
    for (float x : specials)
        for (float y1 : exponents)
            for (float y2 : exponents) check(x, y1, y2);
    std::mt19937 random(2029);
    std::uniform_real_distribution<float> ratio(0.0f, 1.0f), exponent(-40.0f, 40.0f);
    for (int i = 0; i < 100000; ++i) {
        check(ratio(random), 1.428f, 1.714f);
        check(FromBits(random()), exponent(random), exponent(random));
    }
}

// Each sample float against the reference; counts wrong roundings (where
// the reference is decided) and undecided samples.
struct Tally {
    long wrong = 0;
    long undecided = 0;
};

TEST(FastMathTest, SineAndCosineOfSampledFloatsRoundCorrectly) {
    fastmath_reference::UseFullLongDoublePrecision();
    std::mt19937 random(2026);
    Tally tally;
    for (int i = 0; i < 2000000; ++i) {
        // Bit patterns uniform over every finite float, and as many again
        // below 64 where the kernels' angles lie.
        const uint32_t bits = (i % 2) ? random() : (random() % 0x42800000u) | (random() & 0x80000000u);
        const float x = FromBits(bits);
        if (!std::isfinite(x)) continue;
        const fastmath_reference::Rounded s = fastmath_reference::Sin(x);
        const fastmath_reference::Rounded c = fastmath_reference::Cos(x);
        const float ourSine = fastmath::Sin(x), ourCosine = fastmath::Cos(x);
        float bothSine, bothCosine;
        fastmath::SinCos(x, &bothSine, &bothCosine);
        ASSERT_TRUE(Same(ourSine, bothSine));
        ASSERT_TRUE(Same(ourCosine, bothCosine));
        for (const auto& [reference, ours] : {std::pair{s, ourSine}, std::pair{c, ourCosine}}) {
            if (!reference.decided)
                ++tally.undecided;
            else if (!Same(reference.value, ours)) {
                ++tally.wrong;
                ADD_FAILURE() << std::hexfloat << x << ": reference " << reference.value
                              << ", ours " << ours;
            }
        }
        if (tally.wrong > 10) break;
    }
    EXPECT_EQ(0, tally.wrong);
    EXPECT_LT(tally.undecided, 5);
}

TEST(FastMathTest, PowersOfSampledFloatsRoundCorrectly) {
    fastmath_reference::UseFullLongDoublePrecision();
    std::mt19937 random(2027);
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    Tally tally;
    for (int i = 0; i < 1000000; ++i) {
        const float x = FromBits(random() % 0x7F800000u);
        if (x == 0 || x == 1) continue;
        // y with |y log2 x| up to 160: results from underflow to overflow;
        // every fourth one from the kernels' range of exponents.
        const double limit = 160.0 / std::fabs(std::log2(static_cast<double>(x)));
        const float y = (i % 4 == 0) ? static_cast<float>(1.0 + unit(random) * 0.8)
                                     : static_cast<float>(unit(random) * limit);
        const fastmath_reference::Rounded reference = fastmath_reference::Pow(x, y);
        const float ours = fastmath::Pow(x, y);
        if (!reference.decided)
            ++tally.undecided;
        else if (!Same(reference.value, ours)) {
            ++tally.wrong;
            ADD_FAILURE() << std::hexfloat << x << " ^ " << y << ": reference " << reference.value
                          << ", ours " << ours;
        }
        if (tally.wrong > 10) break;
    }
    EXPECT_EQ(0, tally.wrong);
    EXPECT_LT(tally.undecided, 5);
}

// Powers whose exact value is known from exact float or double arithmetic,
// many of them exactly halfway between two floats (ties to even).
TEST(FastMathTest, PowersWithExactValuesRoundLikeTheExactValue) {
    std::mt19937 random(2028);
    for (int i = 0; i < 200000; ++i) {
        const float x = FromBits(0x30000000u + random() % 0x1C000000u);  // 2^-31 .. 2^25
        ASSERT_TRUE(Same(static_cast<float>(static_cast<double>(x) * x), fastmath::Pow(x, 2.0f)))
            << std::hexfloat << x;
        ASSERT_TRUE(Same(std::sqrt(x), fastmath::Pow(x, 0.5f))) << std::hexfloat << x;
        ASSERT_TRUE(Same(1.0f / x, fastmath::Pow(x, -1.0f))) << std::hexfloat << x;
        // Squares of 12- and 13-bit odd numbers: x^2 lies halfway between floats.
        const uint32_t t = 4097u + 2u * (random() % 2000u);
        ASSERT_TRUE(Same(static_cast<float>(static_cast<double>(t) * t),
                         fastmath::Pow(static_cast<float>(t), 2.0f)));
        // Cubes and fourth roots: r^3 of an 8- or 9-bit odd r, from (r^4)^(3/4).
        const uint32_t r = 129u + 2u * (random() % 190u);
        const double cube = static_cast<double>(r) * r * r;
        const float fourth = static_cast<float>(static_cast<double>(r) * r * r * r);
        if (static_cast<double>(fourth) == static_cast<double>(r) * r * r * r) {
            ASSERT_TRUE(Same(static_cast<float>(cube), fastmath::Pow(fourth, 0.75f))) << r;
        }
    }
}

// x^2.5 checked exactly: the result's neighbouring halfway points bracket
// x^2.5, compared as x^5 against their squares in integers.
class Natural {
public:
    explicit Natural(uint64_t v) : limbs_{static_cast<uint32_t>(v), static_cast<uint32_t>(v >> 32)} {}
    Natural Times(const Natural& o) const {
        Natural r(0);
        r.limbs_.assign(limbs_.size() + o.limbs_.size(), 0);
        for (size_t i = 0; i < limbs_.size(); ++i) {
            uint64_t carry = 0;
            for (size_t j = 0; j < o.limbs_.size(); ++j) {
                const uint64_t v = static_cast<uint64_t>(limbs_[i]) * o.limbs_[j] + r.limbs_[i + j] + carry;
                r.limbs_[i + j] = static_cast<uint32_t>(v);
                carry = v >> 32;
            }
            r.limbs_[i + o.limbs_.size()] = static_cast<uint32_t>(carry);
        }
        return r;
    }
    Natural Shifted(int bits) const {  // times 2^bits
        Natural r = *this;
        for (; bits >= 16; bits -= 16) r = r.Times(Natural(1u << 16));
        return r.Times(Natural(uint64_t{1} << bits));
    }
    int Compare(const Natural& o) const {
        const size_t n = std::max(limbs_.size(), o.limbs_.size());
        for (size_t i = n; i-- > 0;) {
            const uint32_t a = i < limbs_.size() ? limbs_[i] : 0;
            const uint32_t b = i < o.limbs_.size() ? o.limbs_[i] : 0;
            if (a != b) return a < b ? -1 : 1;
        }
        return 0;
    }

private:
    std::vector<uint32_t> limbs_;
};

// Sign of x^5 - (Q 2^eq)^2.
int CompareFifthWithSquare(double x, uint64_t Q, int eq) {
    int ex;
    const uint64_t X = static_cast<uint64_t>(std::ldexp(std::frexp(x, &ex), 53));
    ex -= 53;
    Natural fifth = Natural(X).Times(Natural(X)).Times(Natural(X)).Times(Natural(X)).Times(Natural(X));
    Natural square = Natural(Q).Times(Natural(Q));
    const int shift = 5 * ex - 2 * eq;
    if (shift > 0) fifth = fifth.Shifted(shift);
    if (shift < 0) square = square.Shifted(-shift);
    return fifth.Compare(square);
}

::testing::AssertionResult RoundsTwoAndAHalfCorrectly(double x) {
    const double r = fastmath::PowTwoAndAHalf(x);
    int er;
    const uint64_t R = static_cast<uint64_t>(std::ldexp(std::frexp(r, &er), 53));
    er -= 53;
    // The halfway points to the neighbours; below a power of two the
    // neighbour is half as far.
    const bool powerOfTwo = R == (uint64_t{1} << 52);
    const int low = powerOfTwo ? CompareFifthWithSquare(x, 4 * R - 1, er - 2)
                               : CompareFifthWithSquare(x, 2 * R - 1, er - 1);
    const int high = CompareFifthWithSquare(x, 2 * R + 1, er - 1);
    const bool even = (R & 1) == 0;
    if ((low > 0 || (low == 0 && even)) && (high < 0 || (high == 0 && even)))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << std::hexfloat << x << " ^ 2.5 gave " << r;
}

TEST(FastMathTest, TwoAndAHalfPowersRoundCorrectly) {
    std::mt19937_64 random(2029);
    std::uniform_real_distribution<double> speed(0.0, 5.0);
    for (int i = 0; i < 20000; ++i) {
        const double x = (i % 2) ? speed(random)
                                 : std::ldexp(1.0 + (random() >> 12) * 0x1p-52,
                                              static_cast<int>(random() % 400) - 200);
        if (x == 0) continue;
        ASSERT_TRUE(RoundsTwoAndAHalfCorrectly(x));
    }
    // Squares of odd numbers of up to 11 bits: t^5 needs up to 55 bits, so it
    // is exactly halfway between doubles for many t; ties go to even.
    for (uint64_t t = 1; t < 2048; t += 2) {
        const uint64_t fifth = t * t * t * t * t;
        for (int scale : {0, -40, 60}) {
            const double x = std::ldexp(static_cast<double>(t * t), 2 * scale);
            EXPECT_EQ(std::ldexp(static_cast<double>(fifth), 5 * scale), fastmath::PowTwoAndAHalf(x))
                << t << " " << scale;
        }
    }
    EXPECT_EQ(0.0, fastmath::PowTwoAndAHalf(0.0));
    EXPECT_TRUE(std::isnan(fastmath::PowTwoAndAHalf(-1.0)));
    EXPECT_EQ(HUGE_VAL, fastmath::PowTwoAndAHalf(1e300));
    EXPECT_EQ(32.0, fastmath::PowTwoAndAHalf(4.0));
}

// The approximate double power against the long-double powl: within 2^-40
// over floats of every size and exponents up to 1000 / |log2 x|, the
// kernels' speeds to exponents near 1 among them; x^1 is x exactly, and the
// arguments it leaves to the runtime give the runtime's special values.
TEST(FastMathTest, ApproximatePowersStayWithinTheirBound) {
    fastmath_reference::UseFullLongDoublePrecision();
    std::mt19937 random(2030);
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    double worst = 0.0;
    for (int i = 0; i < 200000; ++i) {
        float x;
        double y;
        if (i % 2 == 0) {
            x = static_cast<float>(500.0 * (unit(random) + 1.0));
            y = 1.0 + 0.2 * unit(random);
        } else {
            x = FromBits(1 + random() % 0x7F7FFFFFu);
            y = unit(random) * 999.0 / std::max(1.0, std::fabs(std::log2(static_cast<double>(x))));
        }
        if (x == 0) continue;
        const long double exact = powl(static_cast<long double>(x), static_cast<long double>(y));
        const double ours = fastmath::PowApproximate(x, y);
        const double error =
            static_cast<double>(std::fabs((static_cast<long double>(ours) - exact) / exact));
        worst = std::max(worst, error);
        if (!(error < 0x1p-40)) {
            ADD_FAILURE() << std::hexfloat << x << " ^ " << y << ": " << ours << ", error "
                          << error;
            break;
        }
    }
    EXPECT_LT(worst, 0x1p-40);
    for (float x : {0.0f, 1e-30f, 3.0f, 123.456f, 3e38f})
        EXPECT_EQ(static_cast<double>(x), fastmath::PowApproximate(x, 1.0));
    EXPECT_EQ(0.0, fastmath::PowApproximate(0.0f, 1.02));
    EXPECT_EQ(HUGE_VAL, fastmath::PowApproximate(0.0f, -1.5));
    EXPECT_EQ(1.0, fastmath::PowApproximate(7.0f, 0.0));
    EXPECT_TRUE(std::isnan(fastmath::PowApproximate(-2.0f, 1.5)));
    EXPECT_EQ(HUGE_VAL, fastmath::PowApproximate(kInf, 1.5));
}

// The inline approximate power pair against the long-double powl: within
// 2^-33 over normal floats of every size and exponents up to 4 in size, the
// valve-flow pair over pressure ratios in (0, 1] among them; 1^y is 1; the
// arguments it leaves to PowApproximate (zero, subnormal, infinite, negative
// or NaN x, |y| over 4) give PowApproximate's values.
TEST(FastMathTest, ApproximatePowerPairStaysWithinItsBound) {
    fastmath_reference::UseFullLongDoublePrecision();
    std::mt19937 random(2031);
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    const double flowY1 = static_cast<double>(1.428f), flowY2 = static_cast<double>(1.714f);
    double worst = 0.0;
    const auto check = [&worst](float x, double y, double ours) {
        const long double exact = powl(static_cast<long double>(x), static_cast<long double>(y));
        const double error =
            static_cast<double>(std::fabs((static_cast<long double>(ours) - exact) / exact));
        worst = std::max(worst, error);
        if (error < 0x1p-33) return true;
        ADD_FAILURE() << std::hexfloat << x << " ^ " << y << ": " << ours << ", error " << error;
        return false;
    };
    for (int i = 0; i < 200000; ++i) {
        float x;
        double y1 = flowY1, y2 = flowY2;
        if (i % 2 == 0) {
            x = static_cast<float>(0.5 * (unit(random) + 1.0));
        } else {
            x = FromBits(0x00800000u + random() % (0x7F800000u - 0x00800000u));
            y1 = 4.0 * unit(random);
            y2 = i % 3 == 0 ? 4.0 : -4.0;
        }
        if (x == 0) continue;
        double first, second;
        fastmath::PowPairApproximate(x, y1, y2, &first, &second);
        if (!check(x, y1, first) || !check(x, y2, second)) break;
    }
    EXPECT_LT(worst, 0x1p-33);

    double first, second;
    fastmath::PowPairApproximate(1.0f, flowY1, -3.5, &first, &second);
    EXPECT_EQ(1.0, first);
    EXPECT_EQ(1.0, second);
    const float others[] = {0.0f, -0.0f, 0x1p-149f, 0x1.fffffcp-127f, kInf, -kInf, kNaN, -0.5f};
    for (float x : others) {
        fastmath::PowPairApproximate(x, flowY1, flowY2, &first, &second);
        EXPECT_TRUE(SameDouble(fastmath::PowApproximate(x, flowY1), first)) << std::hexfloat << x;
        EXPECT_TRUE(SameDouble(fastmath::PowApproximate(x, flowY2), second)) << std::hexfloat << x;
    }
    fastmath::PowPairApproximate(3.0f, 4.5, -7.0, &first, &second);
    EXPECT_EQ(fastmath::PowApproximate(3.0f, 4.5), first);
    EXPECT_EQ(fastmath::PowApproximate(3.0f, -7.0), second);
}

// The pair of a quotient's powers: within 2^-33 of the exact quotient's powers
// (pressures like the kernel's, and normal floats of every size with
// exponents up to 4); out-of-range arguments give the float quotient's pair.
TEST(FastMathTest, ApproximatePowerPairOfRatioStaysWithinItsBound) {
    fastmath_reference::UseFullLongDoublePrecision();
    std::mt19937 random(4177);
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    const double flowY1 = static_cast<double>(1.428f), flowY2 = static_cast<double>(1.714f);
    double worst = 0.0;
    for (int i = 0; i < 200000; ++i) {
        float a, b;
        double y[2] = {flowY1, flowY2};
        if (i % 2 == 0) {
            a = static_cast<float>(5.0 + 20.0 * (unit(random) + 1.0));
            b = static_cast<float>(5.0 + 20.0 * (unit(random) + 1.0));
        } else {
            a = FromBits(0x00800000u + random() % (0x7F800000u - 0x00800000u));
            b = std::ldexp(a, static_cast<int>(random() % 120) - 60) *
                static_cast<float>(1.0 + 0.5 * unit(random));
            y[0] = 4.0 * unit(random);
            y[1] = i % 3 == 0 ? 4.0 : -4.0;
            if (!std::isnormal(b)) continue;
        }
        double ours[2];
        fastmath::PowPairOfRatioApproximate(a, b, y[0], y[1], &ours[0], &ours[1]);
        for (int k = 0; k < 2; ++k) {
            const long double exact =
                powl(static_cast<long double>(a) / b, static_cast<long double>(y[k]));
            const double error =
                static_cast<double>(std::fabs((static_cast<long double>(ours[k]) - exact) / exact));
            worst = std::max(worst, error);
            ASSERT_LT(error, 0x1p-33) << std::hexfloat << a << " / " << b << " ^ " << y[k];
        }
    }
    EXPECT_LT(worst, 0x1p-33);

    struct Case {
        float a, b;
        double y1, y2;
    };
    const Case kFallbacks[] = {
        {0.0f, 3.0f, flowY1, flowY2},   {3.0f, 0.0f, flowY1, flowY2},
        {-2.0f, 3.0f, flowY1, flowY2},  {2.0f, kInf, flowY1, flowY2},
        {kNaN, 3.0f, flowY1, flowY2},   {0x1p-149f, 3.0f, flowY1, flowY2},
        {0x1p100f, 0x1p-30f, 1.5, 2.0}, {3.0f, 2.0f, 4.5, -7.0},
    };
    for (const Case& c : kFallbacks) {
        double first, second, expected1, expected2;
        fastmath::PowPairOfRatioApproximate(c.a, c.b, c.y1, c.y2, &first, &second);
        fastmath::PowPairApproximate(c.a / c.b, c.y1, c.y2, &expected1, &expected2);
        EXPECT_TRUE(SameDouble(expected1, first)) << std::hexfloat << c.a << " / " << c.b;
        EXPECT_TRUE(SameDouble(expected2, second)) << std::hexfloat << c.a << " / " << c.b;
    }
}

// Stepped sine and cosine along angle sequences like a crank cycle's (a
// float angle in degrees advanced by a float step, converted to radians):
// each value within an ulp of the correctly rounded one plus the stepping's
// 2^-44, and only rarely different at all; steps too large to turn by and
// arguments that are not numbers start afresh.
TEST(FastMathTest, SteppedSineAndCosineFollowTheCorrectlyRoundedOnes) {
    struct Sequence {
        float startDeg, stepDeg;
        int steps;
    };
    const Sequence kSequences[] = {
        {130.0f, 0.15f, 4800},    // a slow cycle, 720 degrees
        {-40.0f, 3.3f, 440},      // a fast one, through zero
        {-40.0f, 0.89f, 810},     // just under 1/64 radian: the shorter series
        {-40.0f, 0.9f, 800},      // just over it
        {1500.0f, -0.07f, 3000},  // falling
        {0.0f, 5.0f, 300},        // steps over 1/16 radian: fresh every time
        {200.0f, 1e-4f, 2000},    // steps smaller than the angle's float spacing at times
    };
    const auto ulp = [](float v) {
        const float a = std::fabs(v);
        return static_cast<double>(std::nextafter(a, kInf) - a);
    };
    for (const Sequence& q : kSequences) {
        fastmath::SteppedSinCos stepped;
        float theta = q.startDeg;
        int differing = 0;
        for (int i = 0; i < q.steps; ++i, theta += q.stepDeg) {
            const float x = theta * 0.01745329252f;
            stepped.MoveTo(x);
            const float sine = fastmath::Sin(x), cosine = fastmath::Cos(x);
            ASSERT_LE(std::fabs(static_cast<double>(stepped.Sine()) - sine), ulp(sine) + 0x1p-44)
                << "start " << q.startDeg << ", x " << x;
            ASSERT_LE(std::fabs(static_cast<double>(stepped.Cosine()) - cosine),
                      ulp(cosine) + 0x1p-44)
                << "start " << q.startDeg << ", x " << x;
            differing += (stepped.Sine() != sine) + (stepped.Cosine() != cosine);
        }
        EXPECT_LE(differing, q.steps / 500) << "start " << q.startDeg;
    }

    fastmath::SteppedSinCos stepped;
    stepped.MoveTo(1.0f);
    for (float x : {kNaN, kInf}) {
        stepped.MoveTo(x);
        EXPECT_TRUE(std::isnan(stepped.Sine()) && std::isnan(stepped.Cosine())) << x;
    }
    stepped.MoveTo(1.01f);
    EXPECT_TRUE(Same(fastmath::Sin(1.01f), stepped.Sine()));
    EXPECT_TRUE(Same(fastmath::Cos(1.01f), stepped.Cosine()));
}

// The standard names resolve to this library in a program that links it.
// The calls go through volatile arguments, as a kernel's would, so that the
// compiler cannot fold them; the 300-bit values include huge arguments that
// the runtime's own functions get wrong.
TEST(FastMathTest, StandardNamesAreTheCorrectlyRoundedFunctions) {
    for (const SinCosCase& c : kKnownSinCos) {
        volatile float x = c.x;
        EXPECT_TRUE(Same(c.sine, sinf(x)));
        EXPECT_TRUE(Same(c.cosine, cosf(x)));
        const float angle = x;  // sin and cos of one argument: one sincosf call
        const float s = std::sin(angle), co = std::cos(angle);
        EXPECT_TRUE(Same(c.sine, s));
        EXPECT_TRUE(Same(c.cosine, co));
    }
    for (const PowCase& c : kKnownPow) {
        volatile float x = c.x, y = c.y;
        EXPECT_TRUE(Same(c.power, std::pow(static_cast<float>(x), static_cast<float>(y))));
    }
}

}  // namespace
