#pragma once

#include "board/RandomSource.h"

#include <cstdint>
#include <random>

namespace tessra {

// The program's one random generator. Seeded once, when the main window
// loads, from the time of day; every puzzle draws from it.
class ProgramRandom final : public RandomSource {
  public:
    static ProgramRandom& Instance();

    // The seed is a single-precision number (seconds since midnight / 3,
    // fraction included). Its 32-bit pattern becomes the engine's seed, so
    // two different seeds - even ones a third of a second apart - never
    // start the same sequence.
    void Seed(float seed);

    // r with 0 <= r < 1. The top 24 bits of a draw fill the float's mantissa
    // exactly, so r can never round up to 1.0 (which would make
    // floor(r * 81) name a cell 81 that does not exist).
    float Draw() override;

    // What Draw() makes of one 32-bit engine output; public for tests.
    static float ToUnitFloat(std::uint32_t bits) {
        return static_cast<float>(bits >> 8) * 0x1.0p-24f;
    }

  private:
    ProgramRandom() = default;
    std::mt19937 engine_;
};

// Seconds since local midnight divided by 3, as the generator's seed.
float TimeOfDaySeed();

} // namespace tessra
