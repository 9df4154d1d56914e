#include "hand/win_payments.h"

namespace mj::hand {

WinPayments PaymentsFor(Money handPoints, bool dealerWins, bool tsumo, Money honbaMoney) {
  WinPayments pay;
  if (!tsumo) {
    pay.ron = handPoints + honbaMoney;
    return pay;
  }
  const Money honbaShare = honbaMoney / 3;
  if (dealerWins) {
    pay.nonDealer = (handPoints / 3).RoundUpTo100() + honbaShare;
  } else {
    pay.dealer = (handPoints / 2).RoundUpTo100() + honbaShare;
    pay.nonDealer = (handPoints / 4).RoundUpTo100() + honbaShare;
  }
  return pay;
}

}  // namespace mj::hand
