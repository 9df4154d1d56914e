#include "hand/win_payments.h"

namespace mj::hand {

WinPayments PaymentsFor(Money handPoints, bool dealerWins, bool tsumo, Money honbaMoney) {
  WinPayments pay;
  if (!tsumo) {
    pay.ron = handPoints + honbaMoney;
    return pay;
  }
  const Money honbaShare = honbaMoney / 3;
  pay.nonDealer = TsumoShare(handPoints, dealerWins, false) + honbaShare;
  if (!dealerWins) pay.dealer = TsumoShare(handPoints, false, true) + honbaShare;
  return pay;
}

Money TsumoShare(Money handPoints, bool dealerWins, bool payerIsDealer) {
  if (dealerWins) return (handPoints / 3).RoundUpTo100();
  return (handPoints / (payerIsDealer ? 2 : 4)).RoundUpTo100();
}

}  // namespace mj::hand
