#pragma once
// Seats, winds, rounds and the ring of wall indices. Seats are 1-4 from the
// local player (seat 1) in play order.
#include <array>

namespace mj {

// Per-seat values, indexed by seat 1-4 ([0] unused).
template <class T>
using PerSeat = std::array<T, 5>;

constexpr int kSeats = 4;
constexpr int kWallSize = 136;

constexpr int NextSeat(int seat) { return seat % 4 + 1; }
// 1 東 (the dealer) … 4 北.
constexpr int SeatWind(int seat, int dealerSeat) { return 1 + ((seat - dealerSeat) % 4 + 4) % 4; }
// From handNumber 1-16: round wind 1 東 … 4 北, and the hand within it 1-4.
constexpr int RoundWind(int handNumber) { return (handNumber - 1) / 4 + 1; }
constexpr int HandInRound(int handNumber) { return (handNumber - 1) % 4 + 1; }
// The round wind as a tile code (28-31).
constexpr int RoundWindTile(int handNumber) { return 27 + RoundWind(handNumber); }

constexpr int WallNext(int index) { return index == kWallSize ? 1 : index + 1; }
constexpr int WallPrev(int index) { return index == 1 ? kWallSize : index - 1; }
// index moved by delta along the ring, in 1-136.
constexpr int WallOffset(int index, int delta) { return ((index - 1 + delta) % kWallSize + kWallSize) % kWallSize + 1; }
// First wall index of the side in front of a seat: 1 seat 1, 35 seat 4, 69 seat 3, 103 seat 2.
constexpr int SideStart(int seat) {
  constexpr std::array<int, 5> kStart{0, 1, 103, 69, 35};
  return kStart[static_cast<std::size_t>(seat)];
}
// The seat whose side holds a wall index.
constexpr int SideOwner(int index) { return index <= 34 ? 1 : index <= 68 ? 4 : index <= 102 ? 3 : 2; }

// LAN: each client numbers the table from its own player. lanHostSeat is the
// local seat at which the host sits (1 on the host).
constexpr int LocalSeatFromHost(int hostSeat, int lanHostSeat) { return (hostSeat + lanHostSeat - 2) % 4 + 1; }
constexpr int HostSeatFromLocal(int localSeat, int lanHostSeat) { return (localSeat - lanHostSeat + 8) % 4 + 1; }
// How far a guest turns the host's wall indices and break position:
// +102 for lanHostSeat 2, +68 for 3, +34 for 4, 0 on the host.
constexpr int WallShiftForHostSeat(int lanHostSeat) { return (kWallSize - 34 * (lanHostSeat - 1)) % kWallSize; }

}  // namespace mj
