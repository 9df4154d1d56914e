#pragma once
// What each payer hands over for a win: the hand's points split by the way
// it was won, plus the honba. Wareme, liability and deposits are the
// settlement's.
#include "common/money.h"

namespace mj::hand {

struct WinPayments {
  Money ron;        // the discarder, for a ron
  Money dealer;     // the dealer, for a non-dealer's tsumo
  Money nonDealer;  // each non-dealer, for a tsumo
};

// handPoints P, honba money H (honba × points per honba): a ron costs P + H;
// a dealer's tsumo P/3 from each seat; a non-dealer's tsumo P/2 from the
// dealer and P/4 from the others, each share rounded up to 100 and each
// payer adding H/3.
WinPayments PaymentsFor(Money handPoints, bool dealerWins, bool tsumo, Money honbaMoney);

// One payer's share of a tsumo before honba: a third from each seat when
// the dealer wins; otherwise a half from the dealer and a quarter from the
// others; rounded up to 100.
Money TsumoShare(Money handPoints, bool dealerWins, bool payerIsDealer);

}  // namespace mj::hand
