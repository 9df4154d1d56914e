#include "store/column_values.h"

#include <cmath>

namespace mj::store {

Money ReadCurrency(const Statement& st, int column) {
  if (st.IsInteger(column)) return Money::FromPoints(st.Int(column));
  return Money::FromUnits(static_cast<std::int64_t>(std::nearbyint(st.Real(column) * Money::kScale)));
}

void BindCurrency(Statement& st, int index, Money value) {
  if (value.IsWhole()) {
    st.Bind(index, value.WholePoints());
  } else {
    st.Bind(index, static_cast<double>(value.Units()) / Money::kScale);
  }
}

std::int64_t WholeOf(Money value) {
  const std::int64_t units = value.Units();
  std::int64_t whole = units / Money::kScale;
  const std::int64_t rest = units % Money::kScale;  // same sign as units
  const std::int64_t twice = 2 * (rest < 0 ? -rest : rest);
  const int direction = units < 0 ? -1 : 1;
  if (twice > Money::kScale || (twice == Money::kScale && whole % 2 != 0)) whole += direction;
  return whole;
}

}  // namespace mj::store
