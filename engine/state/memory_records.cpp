#include "engine/state/memory_records.h"

namespace mj {

Status MemoryRecords::AddUserStats(const StatsDelta& delta) {
  if (failWrites) return Status::Error(3050, "records are not writable");
  auto [it, inserted] = users.try_emplace(delta.userCode, delta);
  if (inserted) return Status::Ok();
  StatsDelta& row = it->second;
  row.games += delta.games;
  row.hands += delta.hands;
  row.wins += delta.wins;
  row.dealIns += delta.dealIns;
  row.riichis += delta.riichis;
  row.calls += delta.calls;
  row.points += delta.points;
  row.first += delta.first;
  row.second += delta.second;
  row.third += delta.third;
  row.fourth += delta.fourth;
  row.experience += delta.experience;
  row.rating += delta.rating;
  return Status::Ok();
}

Status MemoryRecords::AddYakuWins(int userCode, int yakuCode, std::string_view, int count) {
  if (failWrites) return Status::Error(3050, "records are not writable");
  yakuWins[{userCode, yakuCode}] += count;
  return Status::Ok();
}

}  // namespace mj
