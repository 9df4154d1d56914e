#include "cpu/dangerous_tile.h"

#include <algorithm>

namespace mj::cpu {
namespace {

constexpr std::size_t I(int i) { return static_cast<std::size_t>(i); }

// Suit counters over tiles, kept across the opponents one call examines.
struct SuitCounters {
  std::array<int, 4> bySuit{};  // characters, circles, bamboo, honours
  int terminals = 0;
  int terminalsOrHonours = 0;
  int dora = 0;
  int total = 0;

  int characters() const { return bySuit[0]; }
  int circles() const { return bySuit[1]; }
  int bamboo() const { return bySuit[2]; }
  int honours() const { return bySuit[3]; }
  void Add(TileCode tile, const DoraKinds& dora_) {
    const TileCode kind = TileKind(tile);
    ++bySuit[I(SuitOf(kind))];
    terminals += IsTerminal(kind);
    terminalsOrHonours += IsTerminalOrHonor(kind);
    dora += dora_.Contains(kind);
    ++total;
  }
  bool IsThreat() const { return dora < 3 ? total >= 9 : total >= 6; }
};

enum class Verdict { Safe, Dangerous, Late };

// What a threatening open hand's melds show: one suit (with honours when it
// carries three dora or more), or terminals and honours only (an honour-only
// hand is one of these).
Verdict ReadThreat(const SuitCounters& c, TileCode kind) {
  const int suit = SuitOf(kind);
  const bool honourToo = c.dora >= 3 && IsHonor(kind);
  if (c.circles() == 0 && c.bamboo() == 0 && c.honours() == 0 && (suit == 0 || honourToo)) return Verdict::Dangerous;
  if (c.characters() == 0) {
    if (c.bamboo() == 0 && c.honours() == 0 && (suit == 1 || honourToo)) return Verdict::Dangerous;
    if (c.circles() == 0 && c.honours() == 0 && (suit == 2 || honourToo)) return Verdict::Dangerous;
  }
  if (c.total == c.terminals || c.total == c.terminalsOrHonours) {
    return IsTerminalOrHonor(kind) ? Verdict::Dangerous : Verdict::Late;
  }
  return Verdict::Safe;
}

// Late in the hand: a suit the other rivers hardly show is being kept.
bool ScarceInRivers(const TableState& s, int seat, TileCode kind) {
  SuitCounters c;
  const DoraKinds none;
  for (int other = 1; other <= kSeats; ++other) {
    if (other == seat || RiverHolds(s, other, kind)) continue;
    const auto i = I(other);
    for (int r = 1; r <= std::min<int>(s.riverCount[i], kRiverCapacity); ++r) c.Add(s.riverTiles[i][I(r)], none);
    const int suit = SuitOf(kind);
    if (suit < 3 && c.bySuit[I(suit)] <= 1) return true;
    if (c.honours() <= 1 && IsTerminalOrHonor(kind)) return true;
  }
  return false;
}

}  // namespace

bool RiverHolds(const TableState& s, int seat, TileCode kind) {
  const auto i = I(seat);
  const int count = std::min<int>(s.riverCount[i], kRiverCapacity);
  for (int r = 1; r <= count; ++r) {
    if (TileKind(s.riverTiles[i][I(r)]) == kind) return true;
  }
  return false;
}

bool IsSafeAgainst(const TableState& s, int opponent, TileCode kind) {
  kind = TileKind(kind);
  if (RiverHolds(s, opponent, kind)) return true;
  if (!IsSuited(kind)) return false;
  const int n = SuitNumber(kind);
  if (n >= 4 && n <= 6) return false;
  const int partner = n < 4 ? n + 3 : n - 3;
  return RiverHolds(s, opponent, static_cast<TileCode>(kind - n + partner));
}

bool IsDangerousTile(const TableState& s, int seat, TileCode tile) {
  return IsDangerousTile(s, seat, tile, DoraKindsNow(s));
}

bool IsDangerousTile(const TableState& s, int seat, TileCode tile, const DoraKinds& dora) {
  const TileCode kind = TileKind(tile);
  bool anyRiichi = false;
  for (int other = 1; other <= kSeats; ++other) anyRiichi = anyRiichi || s.InRiichi(other);
  if (!anyRiichi && s.wallRemaining >= 30) return false;

  const bool defending = s.handPlan[I(seat)] == kPlanDefence;
  SuitCounters melds;
  bool late = false;
  for (int b = 1; b <= kSeats; ++b) {
    const auto i = I(b);
    const bool lateRiichi = s.riichiTurn[i] >= 4;
    if (b == seat || !(s.hasCalled[i] || lateRiichi)) continue;
    if (IsSafeAgainst(s, b, kind)) continue;
    if (lateRiichi && !defending) return true;
    for (int p = kFirstMeldPosition; p <= kLastMeldPosition && s.meldTiles[i][I(p)] != 0; ++p) {
      melds.Add(s.meldTiles[i][I(p)], dora);
    }
    if (!melds.IsThreat()) continue;
    const Verdict verdict = ReadThreat(melds, kind);
    if (verdict == Verdict::Dangerous) return true;
    late = late || verdict == Verdict::Late;
  }
  if (s.wallRemaining < 15 || late) return ScarceInRivers(s, seat, kind);
  return false;
}

}  // namespace mj::cpu
