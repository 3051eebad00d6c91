#include "platform/ProgramRandom.h"

#include <QTime>
#include <bit>

namespace tessra {

ProgramRandom& ProgramRandom::Instance() {
    static ProgramRandom instance;
    return instance;
}

void ProgramRandom::Seed(float seed) {
    engine_.seed(std::bit_cast<std::uint32_t>(seed));
}

float ProgramRandom::Draw() {
    return ToUnitFloat(static_cast<std::uint32_t>(engine_()));
}

float TimeOfDaySeed() {
    const double seconds = QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
    return static_cast<float>(seconds / 3.0);
}

} // namespace tessra
