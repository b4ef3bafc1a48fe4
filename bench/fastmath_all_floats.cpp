// Checks the correctly rounded sinf and cosf over every one of the 2^32
// floats against the long-double reference, on several threads. Prints the
// number of wrong roundings (must be 0), the floats the reference itself
// cannot decide (to be settled with more precise arithmetic), and the time.
// Usage: fastmath_all_floats [threads]   (default 4; run it niced)
#include <atomic>
#include <chrono>
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <thread>
#include <vector>

#include "common/fastmath/FastMath.h"
#include "common/fastmath/tests/LongDoubleReference.h"

namespace {

struct Findings {
    uint64_t checked = 0;
    uint64_t wrong = 0;
    uint64_t undecided = 0;
    std::vector<uint32_t> wrongBits;
    std::vector<uint32_t> undecidedBits;
};

bool Same(float a, float b) {
    uint32_t ua, ub;
    std::memcpy(&ua, &a, 4);
    std::memcpy(&ub, &b, 4);
    return ua == ub || (std::isnan(a) && std::isnan(b));
}

void Check(uint32_t bits, Findings& f) {
    float x;
    std::memcpy(&x, &bits, 4);
    if (!std::isfinite(x)) return;
    ++f.checked;
    const fastmath_reference::Rounded refs[2] = {fastmath_reference::Sin(x),
                                                 fastmath_reference::Cos(x)};
    const float ours[2] = {fastmath::Sin(x), fastmath::Cos(x)};
    for (int k = 0; k < 2; ++k) {
        if (!refs[k].decided) {
            ++f.undecided;
            if (f.undecidedBits.size() < 200) f.undecidedBits.push_back(bits);
        } else if (!Same(refs[k].value, ours[k])) {
            ++f.wrong;
            if (f.wrongBits.size() < 20) f.wrongBits.push_back(bits);
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    const int threads = argc > 1 ? std::max(1, std::atoi(argv[1])) : 4;
    constexpr uint64_t kChunk = 1u << 20;
    std::atomic<uint64_t> next{0};
    std::mutex mutex;
    Findings total;
    const auto start = std::chrono::steady_clock::now();
    std::vector<std::thread> pool;
    for (int t = 0; t < threads; ++t) {
        pool.emplace_back([&] {
            fastmath_reference::UseFullLongDoublePrecision();
            Findings f;
            for (uint64_t begin; (begin = next.fetch_add(kChunk)) < (uint64_t{1} << 32);)
                for (uint64_t b = begin; b < begin + kChunk; ++b) Check(static_cast<uint32_t>(b), f);
            std::lock_guard<std::mutex> lock(mutex);
            total.checked += f.checked;
            total.wrong += f.wrong;
            total.undecided += f.undecided;
            total.wrongBits.insert(total.wrongBits.end(), f.wrongBits.begin(), f.wrongBits.end());
            total.undecidedBits.insert(total.undecidedBits.end(), f.undecidedBits.begin(),
                                       f.undecidedBits.end());
        });
    }
    for (std::thread& t : pool) t.join();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("fastmath_all_floats: %" PRIu64 " finite floats, sin and cos each, %d threads, %.0f s\n",
                total.checked, threads, seconds);
    std::printf("wrong roundings: %" PRIu64 "\n", total.wrong);
    for (uint32_t b : total.wrongBits) std::printf("  wrong: 0x%08" PRIx32 "\n", b);
    std::printf("undecided by the reference: %" PRIu64 "\n", total.undecided);
    for (uint32_t b : total.undecidedBits) {
        float x;
        std::memcpy(&x, &b, 4);
        std::printf("  undecided: 0x%08" PRIx32 " sin %a cos %a\n", b,
                    static_cast<double>(fastmath::Sin(x)), static_cast<double>(fastmath::Cos(x)));
    }
    return total.wrong == 0 ? 0 : 1;
}
