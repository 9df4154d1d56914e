#include "engine/final_result.h"


namespace mj::engine {

PerSeat<int> YakitoriAmounts(const TableState& state) {
  PerSeat<int> amounts{};
  const int v = state.rules[37];
  if (v < 1 || v > 3) return amounts;
  int k = 0;
  for (int seat = 1; seat <= kSeats; ++seat) k += state.players[static_cast<std::size_t>(seat)].yakitori;
  // Per k: what each unlucky seat pays and what each other seat gets, per unit of the rule.
  static constexpr int kPays[] = {0, 30, 15, 10, 0};
  static constexpr int kGets[] = {0, 10, 15, 30, 0};
  for (int seat = 1; seat <= kSeats; ++seat) {
    const bool unlucky = state.players[static_cast<std::size_t>(seat)].yakitori;
    amounts[static_cast<std::size_t>(seat)] = unlucky ? -kPays[k] * v : kGets[k] * v;
  }
  return amounts;
}

std::int64_t BaseThousands(Money score) {
  const std::int64_t units = score.Units();
  constexpr std::int64_t kThousand = 1000 * Money::kScale;
  constexpr std::int64_t kNinetyPercent = 900 * Money::kScale;
  if (units >= 30000 * Money::kScale) return units / kThousand;
  if (units >= 0) return (units + kNinetyPercent) / kThousand;
  return -((-units + kNinetyPercent) / kThousand);
}

FinalResult ComputeFinalResult(const TableState& state) {
  FinalResult result;
  result.yakitoriThousands = YakitoriAmounts(state);
  int firsts = 0;
  for (int seat = 1; seat <= kSeats; ++seat) {
    int higher = 0;
    for (int other = 1; other <= kSeats; ++other) {
      higher += state.players[static_cast<std::size_t>(other)].score > state.players[static_cast<std::size_t>(seat)].score;
    }
    result.placement[static_cast<std::size_t>(seat)] = 1 + higher;
    firsts += higher == 0;
  }
  for (int place = 1; place <= kSeats; ++place) {
    for (int seat = 1; seat <= kSeats; ++seat) {
      if (result.placement[static_cast<std::size_t>(seat)] == place) {
        result.rankedNames.push_back(state.players[static_cast<std::size_t>(seat)].name);
      }
    }
  }
  static constexpr int kUma[5][5] = {
      {0, 0, 0, 0, 0}, {0, 8, 4, -4, -8}, {0, 10, 5, -5, -10}, {0, 20, 10, -10, -20}, {0, 30, 10, -10, -30}};
  const int umaRule = state.rules[51] >= 0 && state.rules[51] <= 4 ? state.rules[51] : 0;
  const int topBonus = (24 - 4 * state.rules[2]) / firsts;
  std::int64_t sum = 0;
  for (int seat = 1; seat <= kSeats; ++seat) {
    const auto i = static_cast<std::size_t>(seat);
    const int place = result.placement[i];
    std::int64_t points = BaseThousands(state.players[i].score) - 30 + result.yakitoriThousands[i];
    points += kUma[umaRule][place] + (place == 1 ? topBonus : 0);
    result.finalPoints[i] = Money::FromPoints(points);
    sum += points;
  }
  if (sum != 0 && sum % firsts == 0) {
    for (int seat = 1; seat <= kSeats; ++seat) {
      if (result.placement[static_cast<std::size_t>(seat)] == 1) {
        result.finalPoints[static_cast<std::size_t>(seat)] -= Money::FromPoints(sum / firsts);
      }
    }
  }
  return result;
}

}  // namespace mj::engine
