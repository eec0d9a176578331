#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <random>

namespace fm {

// The one random-number generator shared by every window. It starts in a fixed state, so
// draws made before the first Randomize repeat from run to run. Tests and the scenario
// runner can queue exact values that the next draws return first.
class RandomSource {
 public:
  RandomSource();

  // The next uniformly distributed value r with 0 <= r < 1 (never 1, so Int(Rnd * n) stays
  // within 0 .. n - 1).
  float Rnd();

  // Reseeds the generator; queued values are kept and still come first.
  void Randomize(std::uint32_t seed);

  // Appends values (each 0 <= v < 1) that the next draws return, in order.
  void queue(float value) { queued_.push_back(value); }
  // How many queued values are still to come.
  [[nodiscard]] std::size_t queued() const { return queued_.size(); }

 private:
  static constexpr std::uint32_t kStartSeed = 20241225U;
  std::mt19937 engine_;
  std::deque<float> queued_;
};

}  // namespace fm
