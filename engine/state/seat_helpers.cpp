#include "engine/state/seat_helpers.h"

namespace mj {

// The helpers are constexpr; these checks pin the layout the record and LAN lines rely on.
static_assert(SeatWind(1, 2) == 4, "seat 1 is 北 when seat 2 deals");
static_assert(WallNext(136) == 1 && WallPrev(1) == 136);
static_assert(SideStart(1) == 1 && SideStart(4) == 35 && SideStart(3) == 69 && SideStart(2) == 103);
static_assert(WallShiftForHostSeat(2) == 102 && WallShiftForHostSeat(3) == 68 && WallShiftForHostSeat(4) == 34);
static_assert(WallOffset(1, WallShiftForHostSeat(2)) == 103 && WallOffset(1, WallShiftForHostSeat(4)) == 35);
static_assert(HostSeatFromLocal(LocalSeatFromHost(3, 4), 4) == 3);

}  // namespace mj
