// The Microsoft C runtime's pseudo-random generator (rand/srand), so that a given seed gives
// the same news on every build: state = state * 214013 + 2531011 (mod 2^32), and each draw
// yields (state >> 16) & 0x7FFF, from 0 to 32767.
#pragma once

#include <cstdint>

namespace kawaban {

class MsRandom {
public:
    static constexpr int kMax = 0x7FFF;

    explicit MsRandom(std::uint32_t seed = 1) : state_(seed) {}
    void Seed(std::uint32_t seed) { state_ = seed; }
    int Next() {
        state_ = state_ * 214013u + 2531011u;
        return static_cast<int>((state_ >> 16) & 0x7FFF);
    }

private:
    std::uint32_t state_;
};

}  // namespace kawaban
