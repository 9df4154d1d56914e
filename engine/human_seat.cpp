#include "engine/human_seat.h"

#include "engine/sound_effects.h"

namespace mj::engine {

int HumanSeat::Respond(TableState& s, int seat) {
  const auto i = static_cast<std::size_t>(seat);
  const bool onDiscard = seat != s.currentSeat;
  if (onDiscard && s.noCallsToggle) s.mayChi[i] = s.mayPon[i] = s.mayKan[i] = false;
  if (onDiscard && s.letRonsPassToggle && s.canRon[i]) {
    s.canRon[i] = false;
    s.missedWinFuriten[i] = true;
  }
  if (!HasOption(s, seat)) return kAnswerPass;
  sounds_.Play(kSoundAlarm);
  return kAnswerNone;
}

std::optional<DiscardChoice> HumanSeat::ChooseDiscard(TableState& s, int seat) {
  if (s.InRiichi(seat) && s.handTiles[static_cast<std::size_t>(seat)][kDrawnPosition] != 0) {
    return DiscardChoice{kDrawnPosition, false};
  }
  return std::nullopt;
}

}  // namespace mj::engine
