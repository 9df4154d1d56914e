// Declaring riichi at the table, taking the declaration back, and fixing it
// with the discard that carries it.
#include "engine/riichi.h"
#include "engine/seat_check.h"
#include "engine/sound_effects.h"
#include "engine/state/record_events.h"
#include "engine/table.h"

namespace mj::engine {
namespace {

constexpr std::string_view kRiichiCancelled = "リーチ取消";

}  // namespace

void Table::DeclareRiichi(int seat, bool open) {
  if (!IsSeat(seat) || gameOver_) return;
  TableState& s = state_;
  if (!RiichiDeclarationPending(s, seat)) {
    StartRiichi(seat, open);
    return;
  }
  ReturnRiichiStake(s, seat);
  ports_.view.RiichiCancelled(seat);
  ports_.view.MessageShown(kRiichiCancelled);
}

void Table::StartRiichi(int seat, bool open) {
  TableState& s = state_;
  if (!RiichiAllowed(s, seat)) return;
  s.kanSelecting = 0;
  PayRiichiStake(s, seat);
  if (OpenRiichiAvailable(s, seat)) {
    // The player at this machine chooses in the riichi-kind window.
    const bool asksPlayer = seat == 1 && !s.players[1].isCpu;
    s.openRiichi[static_cast<std::size_t>(seat)] = asksPlayer ? ports_.dialogs.AskOpenRiichi() : open;
  }
  ports_.sounds.Play(kSoundRiichi);
  ports_.view.RiichiDeclared(seat);
}

bool Table::FinishRiichi(int seat) {
  TableState& s = state_;
  FixRiichi(s, seat);
  if (!s.isMaster || !s.mode.statsEnabled) return true;
  return !Stop(ports_.records.AddUserStats(RiichiDelta(s.players[static_cast<std::size_t>(seat)])), kUserUpdateFailedText);
}

}  // namespace mj::engine
