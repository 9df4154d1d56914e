#pragma once
// Every random choice that affects play takes the RandomSource it is given, so
// one seed replays one game move for move.
#include <cstdint>
#include <random>

namespace mj {

class RandomSource {
 public:
  virtual ~RandomSource() = default;
  // low when high < low; otherwise r = Int(u * (high + 1)) with u uniform in
  // [0, 1), drawn again until r >= low.
  virtual int RandomBetween(int low, int high) = 0;
};

// The one generator: mt19937 seeded once per table. The mapping from its
// output to [0, 1) is our own arithmetic (output / 2^32), so the sequence is
// the same with every standard library.
class SeededRandom final : public RandomSource {
 public:
  explicit SeededRandom(std::uint32_t seed) : engine_(seed) {}
  int RandomBetween(int low, int high) override;

 private:
  std::mt19937 engine_;
};

}  // namespace mj
