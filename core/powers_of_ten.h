// The powers of ten that fit in 64 bits, 10^0 to 10^19, shared by the two
// numeric conversions.
#pragma once

#include <cstdint>

namespace tessavor {

inline constexpr int kMaxPowerOfTen64 = 19;  // 10^19 < 2^64 < 10^20

inline constexpr uint64_t kPowersOfTen[kMaxPowerOfTen64 + 1] = {
    1,
    10,
    100,
    1000,
    10000,
    100000,
    1000000,
    10000000,
    100000000,
    1000000000,
    10000000000,
    100000000000,
    1000000000000,
    10000000000000,
    100000000000000,
    1000000000000000,
    10000000000000000,
    100000000000000000,
    1000000000000000000,
    10000000000000000000u,
};

}  // namespace tessavor
