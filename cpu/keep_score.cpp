#include "cpu/keep_score.h"

namespace mj::cpu {
namespace {

constexpr std::size_t I(int kind) { return static_cast<std::size_t>(kind); }
constexpr int kMaxSets = 4;

int TakeSets(TileCounts& c, int sets) {
  for (int n = 1; n <= 9; ++n) {
    for (int base = 0; base <= 18; base += 9) {
      if (c[I(base + n)] >= 3) {
        c[I(base + n)] -= 3;
        ++sets;
      }
    }
  }
  for (int n = 1; n <= 7; ++n) {
    for (int base = 0; base <= 18; base += 9) {
      const int k = base + n;
      while (c[I(k)] > 0 && c[I(k + 1)] > 0 && c[I(k + 2)] > 0 && sets < kMaxSets) {
        --c[I(k)];
        --c[I(k + 1)];
        --c[I(k + 2)];
        ++sets;
      }
    }
  }
  for (int k = kEast; k <= kRed; ++k) {
    if (c[I(k)] >= 3) {
      c[I(k)] -= 3;
      ++sets;
    }
  }
  return sets;
}

int BaseScore(int kind) {
  const int n = SuitNumber(kind);
  if (n == 3 || n == 7) return 5;
  if (n >= 4 && n <= 6) return 10;
  return 1;
}

// Bonuses for what a suit's remaining tiles could still become.
void AddSuitShapes(const TileCounts& c, int base, const UnseenTable& unseen, std::array<int, kKindCount + 1>& score) {
  auto held = [&](int n) { return c[I(base + n)] > 0; };
  auto add = [&](int n, int points) { score[I(base + n)] += points; };
  for (int n = 2; n <= 7; ++n) {
    if (!held(n) || !held(n + 1)) continue;
    const int points = c[I(base + n)] == 2 || c[I(base + n + 1)] == 2 ? 30 : 20;
    add(n, points);
    add(n + 1, points);
  }
  for (int n = 1; n <= 5; ++n) {
    if (held(n) && held(n + 2) && held(n + 4)) {
      add(n, 15);
      add(n + 2, 15);
      add(n + 4, 15);
    }
  }
  for (int n = 1; n <= 7; ++n) {
    if (held(n) && held(n + 2) && unseen(static_cast<TileCode>(base + n + 1)) > 2) {
      add(n, 8);
      add(n + 2, 8);
    }
  }
  if (held(1) && held(2) && unseen(static_cast<TileCode>(base + 3)) > 0) {
    add(1, 2);
    add(2, 2);
  }
  if (held(8) && held(9) && unseen(static_cast<TileCode>(base + 7)) > 0) {
    add(8, 2);
    add(9, 2);
  }
}

}  // namespace

Rating RateKinds(const TileCounts& concealedCounts, int melds, const DoraKinds& dora, const UnseenTable& unseen) {
  Rating r;
  TileCounts c = concealedCounts;
  r.setCount = TakeSets(c, melds);
  for (int k = 1; k <= kKindCount; ++k) {
    if (c[I(k)] == 0) {
      r.keepScore[I(k)] = kNotHeldScore;
      continue;
    }
    int score = BaseScore(k);
    if (dora.Contains(static_cast<TileCode>(k))) score *= 2;
    if (IsEdgeKind(static_cast<TileCode>(k)) && c[I(k)] == 2) score += 20;
    r.keepScore[I(k)] = score;
  }
  for (int base = 0; base <= 18; base += 9) AddSuitShapes(c, base, unseen, r.keepScore);
  int best = kNotHeldScore + 1;
  for (int k = 1; k <= kKindCount; ++k) {
    if (concealedCounts[I(k)] > 0 && r.keepScore[I(k)] < best) {
      best = r.keepScore[I(k)];
      r.kind = static_cast<TileCode>(k);
    }
  }
  return r;
}

}  // namespace mj::cpu
