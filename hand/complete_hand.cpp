#include "hand/complete_hand.h"

#include "hand/hand_shape.h"

namespace mj::hand {

bool IsCompleteHand(const TableState& state, int seat) { return IsCompleteShape(HandShapeOf(state, seat)); }

}  // namespace mj::hand
