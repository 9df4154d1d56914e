#include "hand/complete_hand.h"

#include "hand/hand_shape.h"

namespace mj::hand {

bool IsCompleteHand(const TableState& state, int seat) { return IsCompleteAt(state, seat); }

}  // namespace mj::hand
