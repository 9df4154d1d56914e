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

}  // namespace mj::store
