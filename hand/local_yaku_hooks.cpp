#include "hand/local_yaku_hooks.h"

namespace mj::hand {

// The local yaku (codes 101-141) are tested here, step by step, once they are
// built; until then no step adds anything, whatever the switches say.
void AddLocalYaku(WinContext& /*ctx*/, LocalYakuStep /*step*/) {}

}  // namespace mj::hand
