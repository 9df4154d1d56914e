#pragma once

namespace mj::engine {

// The eleven effects, numbered as the sound settings list them.
enum SoundEffect : int {
  kSoundDiscard = 1,
  kSoundChi = 2,
  kSoundPon = 3,
  kSoundKan = 4,
  kSoundRiichi = 5,
  kSoundTsumo = 6,
  kSoundRon = 7,
  kSoundChombo = 8,
  kSoundDraw = 9,
  kSoundLevelUp = 10,
  kSoundAlarm = 11,  // also: the human may act
};

}  // namespace mj::engine
