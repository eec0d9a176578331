#include "app/model/random_source.h"

namespace fm {

RandomSource::RandomSource() : engine_(kStartSeed) {}

float RandomSource::Rnd() {
  if (!queued_.empty()) {
    const float value = queued_.front();
    queued_.pop_front();
    return value;
  }
  // 24 random bits fill a float's significand exactly, so the result is a multiple of 2^-24
  // strictly below 1.
  constexpr float kScale = 1.0F / 16777216.0F;
  return static_cast<float>(engine_() >> 8U) * kScale;
}

void RandomSource::Randomize(std::uint32_t seed) {
  engine_.seed(seed);
}

}  // namespace fm
