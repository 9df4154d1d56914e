#pragma once
// Carrying out a chosen call: the tiles move into a meld, the record gets its
// entry, and the caller is left at its discard (after a kan: with its
// replacement draw pending). Timers, sounds and the view are the caller's.
#include "engine/state/table_state.h"

namespace mj::engine {

// The call kinds, as callResponse answers them.
constexpr int kCallChi = 1;
constexpr int kCallPon = 2;
constexpr int kCallKan = 3;

struct CallChoice {
  // Chi: the chi option 1-3. Kan: the seat's kan option (KanOptionAt), which
  // names the kind and whether it is open, concealed or added. A CPU takes 1.
  int option = 1;
};

// Who may win on the kan tile before the replacement draw.
enum class KanRobbing { None, AnyWinner, KokushiOnly };

struct CallResult {
  int kind = 0;  // kCallChi / kCallPon / kCallKan; 0 = the call was not possible, nothing changed
  KanType kanType = KanType::None;
  TileCode calledTile = 0;  // the discard taken, or the kan's tile (real code)
  int discarder = 0;        // the seat whose river gave the tile; 0 for a kan on one's own tile
  int sound = 0;            // 2 チー, 3 ポン, 4 カン
  bool firstCall = false;   // the seat's first call on a discard this hand: one more 副露数
  KanRobbing robbing = KanRobbing::None;
  int flippedDoraSlot = 0;  // a pending kan dora flipped before this kan, 0 none
};

// kind is kCallChi, kCallPon or kCallKan; the choice picks among the options
// the last FindCallOptions gave the seat. A call the predicates refuse (or an
// option out of range) changes nothing.
CallResult ExecuteCall(TableState& state, int seat, int kind, const CallChoice& choice);

}  // namespace mj::engine
