#include "store/user_columns.h"

#include "store/sql_text.h"

namespace mj::store {
namespace {

constexpr int kFirstCountColumn = 3;
constexpr int kRatingColumn = kFirstCountColumn + static_cast<int>(kCountColumns.size());
constexpr int kEnabledColumn = kRatingColumn + 1;

}  // namespace

std::array<std::int32_t, 12> CountsOf(const UserStats& s) {
  return {s.games,     s.hands,     s.wins,      s.dealIns,   s.riichis,   s.calls,
          s.points,    s.places[1], s.places[2], s.places[3], s.places[4], s.experience};
}

void SetCounts(UserStats& s, const std::array<std::int32_t, 12>& c) {
  s.games = c[0];
  s.hands = c[1];
  s.wins = c[2];
  s.dealIns = c[3];
  s.riichis = c[4];
  s.calls = c[5];
  s.points = c[6];
  for (std::size_t place = 1; place <= 4; ++place) s.places[place] = c[6 + place];
  s.experience = c[11];
}

const std::string& UserRowColumns() {
  static const std::string columns = [] {
    std::string text = ColumnList({users::kCode, users::kName, users::kHumanFlag});
    for (std::string_view c : kCountColumns) text += Sql({", ", c});
    return text + Sql({", ", users::kRating, ", ", users::kEnabledFlag});
  }();
  return columns;
}

UserRow ReadUserRow(const Statement& st) {
  UserRow row;
  row.code = static_cast<std::int16_t>(st.Int(0));
  row.name = st.Text(1);
  row.isCpu = st.Int(2) != 0;
  std::array<std::int32_t, 12> counts{};
  for (std::size_t i = 0; i < counts.size(); ++i) {
    counts[i] = static_cast<std::int32_t>(st.Int(kFirstCountColumn + static_cast<int>(i)));
  }
  SetCounts(row.stats, counts);
  row.stats.rating = static_cast<float>(st.Real(kRatingColumn));
  row.enabled = st.Int(kEnabledColumn) != 0;
  return row;
}

}  // namespace mj::store
