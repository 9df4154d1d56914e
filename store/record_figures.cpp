#include "store/record_figures.h"

#include <cmath>

namespace mj::store {
namespace {

// numerator / denominator rounded half to even, on the exact fraction.
std::int64_t DivideHalfEven(std::int64_t numerator, std::int64_t denominator) {
  if (denominator < 0) numerator = -numerator, denominator = -denominator;
  std::int64_t q = numerator / denominator;
  std::int64_t r = numerator % denominator;
  if (r < 0) r += denominator, --q;  // floor division: 0 <= r < denominator
  if (2 * r > denominator || (2 * r == denominator && q % 2 != 0)) ++q;
  return q;
}

// value in units of 10^-decimals, written with exactly that many decimals.
std::string FormatScaled(std::int64_t value, int decimals) {
  std::int64_t unit = 1;
  for (int i = 0; i < decimals; ++i) unit *= 10;
  const std::int64_t magnitude = value < 0 ? -value : value;
  std::string fraction = std::to_string(magnitude % unit + unit).substr(1);  // leading zeros kept
  return (value < 0 ? "-" : "") + std::to_string(magnitude / unit) + "." + fraction;
}

}  // namespace

std::int64_t AveragePlaceThousandths(const UserStats& s) {
  std::int64_t weighted = 0, games = 0;
  for (std::size_t place = 1; place <= 4; ++place) {
    weighted += static_cast<std::int64_t>(place) * s.places[place];
    games += s.places[place];
  }
  if (weighted == 0 || games == 0) return 0;
  return DivideHalfEven(weighted * 1000, games);
}

std::int64_t RateThousandths(std::int32_t count, std::int32_t hands) {
  if (count == 0 || hands == 0) return 0;
  return DivideHalfEven(std::int64_t{count} * 100000, hands);
}

std::string FormatThousandths(std::int64_t thousandths) { return FormatScaled(thousandths, 3); }

std::string FormatRating(float rating) {
  return FormatScaled(static_cast<std::int64_t>(std::nearbyint(static_cast<double>(rating) * 100.0)), 2);
}

int YakuSlotOf(int code) {
  if (code >= 1 && code <= 45) return code;
  if (code >= 50 && code <= 52) return code - 4;
  if (code >= 101 && code <= 140) return code - 52;
  if (code == 198 || code == 199) return code - 109;
  return 0;
}

bool IsYakumanCode(int code) { return (code >= 29 && code <= 45) || (code >= 124 && code <= 140); }

RecordFigures FiguresOf(const UserStats& stats, const std::vector<YakuRecord>& yakuRows) {
  RecordFigures f;
  f.averagePlace = AveragePlaceThousandths(stats);
  f.winRate = RateThousandths(stats.wins, stats.hands);
  f.dealInRate = RateThousandths(stats.dealIns, stats.hands);
  f.riichiRate = RateThousandths(stats.riichis, stats.hands);
  f.callRate = RateThousandths(stats.calls, stats.hands);
  for (const YakuRecord& r : yakuRows) {
    const int slot = YakuSlotOf(r.code);
    if (slot == 0) continue;
    f.slots[static_cast<std::size_t>(slot)] = YakuSlot{r.name, r.winCount};
    if (IsYakumanCode(r.code)) f.yakumanWins += r.winCount;
  }
  for (int slot = 1; slot <= kCollectableSlots; ++slot) {
    const auto& s = f.slots[static_cast<std::size_t>(slot)];
    if (s && s->winCount > 0) ++f.completion;
  }
  return f;
}

std::string CompletionCaption(int completion) {
  if (completion >= kCollectableSlots) return "和了役 COMPLETE!!";
  const std::string count = std::to_string(completion < 0 ? 0 : completion);
  return "和了役 " + (count.size() < 2 ? "0" + count : count) + "/88";
}

Result<std::optional<PlayerRecord>> LoadPlayerRecord(const DataStore& store, std::int16_t code) {
  Result<std::optional<UserRow>> row = store.LoadUser(code, false);
  if (!row.ok()) return row.status();
  if (!row->has_value()) return std::optional<PlayerRecord>();
  Result<std::vector<YakuRecord>> yaku = store.LoadYakuRecords(code);
  if (!yaku.ok()) return yaku.status();
  return std::optional<PlayerRecord>(PlayerRecord{**row, FiguresOf((*row)->stats, *yaku)});
}

}  // namespace mj::store
