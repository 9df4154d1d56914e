#include "engine/claim_priority.h"

#include "engine/seat_controller.h"

namespace mj::engine {

std::array<int, 4> PlayOrderFrom(int fromSeat) {
  std::array<int, 4> order{};
  int seat = fromSeat;
  for (int& s : order) {
    s = seat;
    seat = NextSeat(seat);
  }
  return order;
}

std::vector<int> WinningSeats(const PerSeat<std::int16_t>& answers, int fromSeat) {
  std::vector<int> winners;
  for (int seat : PlayOrderFrom(fromSeat)) {
    if (answers[static_cast<std::size_t>(seat)] == kAnswerWin) winners.push_back(seat);
  }
  return winners;
}

Claim StrongestCall(const PerSeat<std::int16_t>& answers, int fromSeat) {
  for (int answer : {kAnswerKan, kAnswerPon, kAnswerChi}) {
    for (int seat : PlayOrderFrom(fromSeat)) {
      if (answers[static_cast<std::size_t>(seat)] == answer) return {seat, answer};
    }
  }
  return {};
}

}  // namespace mj::engine
