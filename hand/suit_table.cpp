#include "hand/suit_table.h"

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

namespace mj::hand {
namespace {

using SuitCounts = std::array<int, 9>;
constexpr std::size_t Index(int i) { return static_cast<std::size_t>(i); }
constexpr int kMaxSets = 4;

// The four passes on one suit, exactly as the searches run them there.
void SequencesAscending(SuitCounts& c) {
  for (int n = 0; n < 7; ++n) {
    const int take = std::min({c[Index(n)], c[Index(n + 1)], c[Index(n + 2)]});
    for (int i = n; i < n + 3; ++i) c[Index(i)] -= take;
  }
}
void SequencesDescending(SuitCounts& c) {
  for (int top = 8; top >= 2; --top) {
    const int take = std::min({c[Index(top)], c[Index(top - 1)], c[Index(top - 2)]});
    for (int i = top - 2; i <= top; ++i) c[Index(i)] -= take;
  }
}
// One triplet of each kind held three times or more.
void Triplets(SuitCounts& c) {
  for (int& n : c) {
    if (n >= 3) n -= 3;
  }
}
bool Empty(const SuitCounts& c) {
  return std::all_of(c.begin(), c.end(), [](int n) { return n == 0; });
}

// Bits 0-3: triplets first ascending and descending, sequences first
// ascending and descending. Once the triplets are out, taking sequences
// greedily from either end succeeds on exactly the same tiles, so the two
// triplets-first passes always agree.
PassBits SetsOnlyPasses(const SuitCounts& counts) {
  SuitCounts tripletsFirst = counts;
  Triplets(tripletsFirst);
  SequencesAscending(tripletsFirst);
  SuitCounts ascending = counts;
  SequencesAscending(ascending);
  Triplets(ascending);
  SuitCounts descending = counts;
  SequencesDescending(descending);
  Triplets(descending);
  return static_cast<PassBits>((Empty(tripletsFirst) ? 0b0011 : 0) | (Empty(ascending) ? 0b0100 : 0) |
                               (Empty(descending) ? 0b1000 : 0));
}

PassBits PassesOf(const SuitCounts& counts) {
  int total = 0;
  for (int n : counts) total += n;
  if (total % 3 == 0) return SetsOnlyPasses(counts);
  if (total % 3 != 2) return 0;
  PassBits bits = 0;
  for (int pair = 0; pair < 9; ++pair) {
    if (counts[Index(pair)] < 2) continue;
    SuitCounts c = counts;
    c[Index(pair)] -= 2;
    bits = static_cast<PassBits>(bits | SetsOnlyPasses(c));
  }
  return static_cast<PassBits>(bits << 4);
}

// The 16 sets of a suit: sequences starting at 1-7, then triplets of 1-9.
SuitCounts WithSet(SuitCounts c, int set) {
  if (set < 7) {
    for (int i = set; i < set + 3; ++i) ++c[Index(i)];
  } else {
    c[Index(set - 7)] += 3;
  }
  return c;
}

// Calls visit for every suit that splits into at most four sets, with or
// without one pair, counts never above maxCount. Suits that do not split
// that way cannot pass any search, so they are all the table needs.
template <class Visit>
void ForEachSplittableSuit(int maxCount, Visit visit) {
  const auto fits = [maxCount](const SuitCounts& c) {
    return std::all_of(c.begin(), c.end(), [maxCount](int n) { return n <= maxCount; });
  };
  std::vector<std::pair<SuitCounts, int>> frontier{{SuitCounts{}, 0}};  // counts, lowest set allowed
  for (int sets = 0; sets <= kMaxSets; ++sets) {
    std::vector<std::pair<SuitCounts, int>> next;
    for (const auto& [c, lowest] : frontier) {
      visit(c);
      for (int pair = 0; pair < 9; ++pair) {
        SuitCounts withPair = c;
        withPair[Index(pair)] += 2;
        if (fits(withPair)) visit(withPair);
      }
      if (sets == kMaxSets) continue;
      for (int set = lowest; set < 16; ++set) {
        SuitCounts grown = WithSet(c, set);
        if (fits(grown)) next.emplace_back(grown, set);
      }
    }
    frontier = std::move(next);
  }
}

int Key(const SuitCounts& c, int base) {
  int key = 0;
  for (int i = 8; i >= 0; --i) key = key * base + c[Index(i)];
  return key;
}

PassBits HonoursOf(const std::int8_t* counts7) {
  int size = 0;
  int odd = 0;
  int pairs = 0;
  for (int i = 0; i < 7; ++i) {
    const int n = counts7[i];
    size += n;
    odd += n != 0 && n != 3;
    pairs += n == 2 || n == 5;
  }
  if (size % 3 == 2) return odd == 1 && pairs == 1 ? static_cast<PassBits>(kAllPasses << 4) : 0;
  return odd == 0 ? kAllPasses : 0;
}

struct Tables {
  std::vector<PassBits> byKey5 = std::vector<PassBits>(Index(kPow5[9]), 0);
  std::vector<std::pair<int, PassBits>> withFive;  // sorted by base-6 key
  std::vector<PassBits> honours = std::vector<PassBits>(Index(kPow5[7]), 0);

  Tables() {
    // Many set lists give the same counts: each is worked out once.
    std::vector<bool> done(byKey5.size());
    std::vector<std::pair<int, SuitCounts>> fives;
    ForEachSplittableSuit(5, [&](const SuitCounts& c) {
      if (std::find(c.begin(), c.end(), 5) != c.end()) {
        fives.emplace_back(Key(c, 6), c);
        return;
      }
      const auto key = Index(Key(c, 5));
      if (done[key]) return;
      done[key] = true;
      byKey5[key] = PassesOf(c);
    });
    std::sort(fives.begin(), fives.end());
    fives.erase(std::unique(fives.begin(), fives.end()), fives.end());
    for (const auto& [key, c] : fives) withFive.emplace_back(key, PassesOf(c));
    for (int key = 0; key < kPow5[7]; ++key) {
      std::array<std::int8_t, 7> c{};
      for (int i = 0, rest = key; i < 7; ++i, rest /= 5) c[Index(i)] = static_cast<std::int8_t>(rest % 5);
      honours[Index(key)] = HonoursOf(c.data());
    }
  }
};

const Tables& TheTables() {
  static const Tables tables;
  return tables;
}

}  // namespace

const GroupTables& TheGroupTables() {
  static const GroupTables tables{TheTables().byKey5.data(), TheTables().honours.data()};
  return tables;
}

PassBits SuitPassesOfCounts(const std::int8_t* counts9) {
  SuitCounts c{};
  bool five = false;
  for (int i = 0; i < 9; ++i) {
    if (counts9[i] > 5) return 0;
    c[Index(i)] = counts9[i];
    five = five || counts9[i] == 5;
  }
  if (!five) return SuitPasses(Key(c, 5));
  const auto& list = TheTables().withFive;
  const int key = Key(c, 6);
  const auto it = std::lower_bound(list.begin(), list.end(), std::make_pair(key, PassBits{0}));
  return it != list.end() && it->first == key ? it->second : 0;
}

PassBits HonourPassesOfCounts(const std::int8_t* counts7) { return HonoursOf(counts7); }

void PrepareSuitTables() { TheTables(); }

}  // namespace mj::hand
