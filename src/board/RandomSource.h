#pragma once

namespace tessra {

// Where the board engine gets its randomness. The program passes its one
// seeded generator; tests pass a scripted sequence and count the draws.
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    // One draw r with 0 <= r < 1.
    virtual float Draw() = 0;
};

} // namespace tessra
