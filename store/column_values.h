#pragma once
// Currency columns (所持金, 価格) hold four decimals: a whole amount is stored
// as an integer, any other as a real, so the file reads naturally in any
// SQLite tool and converts back to the same Money.
#include <cstdint>

#include "common/money.h"
#include "store/sqlite_connection.h"

namespace mj::store {

// An empty value reads as 0.
Money ReadCurrency(const Statement& st, int column);
void BindCurrency(Statement& st, int index, Money value);

}  // namespace mj::store
