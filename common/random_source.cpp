#include "common/random_source.h"

namespace mj {

int SeededRandom::RandomBetween(int low, int high) {
  if (high < low) return low;
  const std::uint64_t span = static_cast<std::uint64_t>(static_cast<std::int64_t>(high) + 1);
  for (;;) {
    // Int(u * (high + 1)) with u = output / 2^32, in exact integer arithmetic.
    const std::uint64_t r = (static_cast<std::uint64_t>(engine_()) * span) >> 32;
    if (static_cast<std::int64_t>(r) >= low) return static_cast<int>(r);
  }
}

}  // namespace mj
