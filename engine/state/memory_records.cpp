#include "engine/state/memory_records.h"

namespace mj {

Status MemoryRecords::AddUserStats(const StatsDelta& delta) {
  if (failWrites) return Status::Error(3050, "records are not writable");
  auto [it, inserted] = users.try_emplace(delta.code, delta);
  if (inserted) return Status::Ok();
  UserStats& row = it->second.amounts;
  const UserStats& add = delta.amounts;
  row.games += add.games;
  row.hands += add.hands;
  row.wins += add.wins;
  row.dealIns += add.dealIns;
  row.riichis += add.riichis;
  row.calls += add.calls;
  row.points += add.points;
  for (std::size_t place = 1; place < row.places.size(); ++place) row.places[place] += add.places[place];
  row.experience += add.experience;
  row.rating += add.rating;
  return Status::Ok();
}

Status MemoryRecords::AddYakuWins(int userCode, int yakuCode, std::string_view, int count) {
  if (failWrites) return Status::Error(3050, "records are not writable");
  yakuWins[{userCode, yakuCode}] += count;
  return Status::Ok();
}

}  // namespace mj
