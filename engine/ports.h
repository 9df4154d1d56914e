#pragma once
// How the engine reaches the world. The table window implements these with
// Qt; tests and tools implement them headless. Every presentation request
// has an empty default so a headless table overrides only what it watches.
#include <string_view>

#include "common/result.h"

namespace mj::engine {

class TableView {
 public:
  virtual ~TableView() = default;
  // The six action buttons turn grey (an answer was given, a tile discarded).
  virtual void ActionsGreyed() {}
  // A hand is about to be dealt: round caption, tiles hidden, buttons grey.
  virtual void HandStarting() {}
  // The wall was built and the dice thrown (the wall is face up under rule 58).
  virtual void WallReady() {}
  // Thirteen tiles each are dealt and the hands arranged.
  virtual void HandsDealt() {}
  // Dora indicator slot 1-5 was turned face up.
  virtual void DoraFlipped(int /*slot*/) {}
  // A seat took a tile into its drawn position (live or replacement draw).
  virtual void TileDrawn(int /*seat*/, bool /*replacement*/) {}
  // A seat made a call: its meld is shown, the called tile leaves the river.
  virtual void CallMade(int /*seat*/) {}
  // The remaining-tiles caption changed.
  virtual void WallCountChanged() {}
  // A seat put out its riichi stick (yellow for an open riichi) and paid for
  // it, or took it back: stick, riichi marker and score captions change.
  virtual void RiichiDeclared(int /*seat*/) {}
  virtual void RiichiCancelled(int /*seat*/) {}
  // A short caption over the table ("リーチ取消"), for two presentation ticks.
  virtual void MessageShown(std::string_view /*text*/) {}
  // A hand was settled for a seat: the hand result window, shown modally.
  virtual void HandSettled(int /*seat*/) {}
  // EndHand begins: the result has been seen, the next hand is decided.
  virtual void HandEnding() {}
  // Play went on past the last regular hand (rule 1 with an extension).
  virtual void ExtensionEntered() {}
  // The game is over: placements and final points are known.
  virtual void GameEnded() {}
};

// The engine counts ticks; the window owns the milliseconds.
class TableTimers {
 public:
  virtual ~TableTimers() = default;
  virtual void SetTurnTimer(int intervalMs) = 0;  // 0 = stopped
  virtual void SetResponseTimer(bool running) = 0;
};

// Sound effect 1-11: 打牌, チー, ポン, カン, 立直, 自摸, 栄和, 錯和, 流局, level up, alarm.
class Sounds {
 public:
  virtual ~Sounds() = default;
  virtual void Play(int effect) = 0;
};

// LAN lines, for the host's and guests' announcements.
class LanLink {
 public:
  virtual ~LanLink() = default;
  // Appends one message; the payload is the letter and its fields.
  virtual Status SendLanMessage(std::string_view payload) = 0;
};

}  // namespace mj::engine
