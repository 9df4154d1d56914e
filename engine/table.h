#pragma once
// One game at the table: the state, the ports it reaches the world by, and
// the entry points the window's timers and buttons call. Each entry point
// runs to completion; a step that waits for answers stops the timer that
// would otherwise re-enter it.
#include <optional>
#include <string>
#include <vector>

#include "common/clock.h"
#include "common/dialogs.h"
#include "common/random_source.h"
#include "engine/final_result.h"
#include "engine/game_events.h"
#include "engine/ports.h"
#include "engine/record_file.h"
#include "engine/tenhou_log.h"
#include "engine/seat_controller.h"
#include "engine/state/records_port.h"
#include "engine/state/table_state.h"
#include "engine/wall_message.h"
#include "hand/win_evaluator.h"

namespace mj::engine {

struct TablePorts {
  TableView& view;
  TableTimers& timers;
  Sounds& sounds;
  Dialogs& dialogs;
  RandomSource& random;
  Clock& clock;
  Records& records;
  hand::WinEvaluator& evaluator;
  LanLink* lan = nullptr;  // only in a LAN game
};

// The player's options the table reads.
struct TableOptions {
  int discardSpeed = 1;       // 打牌速度: 0 遅い, 1 普通, 2 早い
  bool recordOutput = false;  // 牌譜出力
  std::string recordPath;     // 牌譜パス
};

class Table {
 public:
  Table(TablePorts ports, TableOptions options);

  TableState& State() { return state_; }
  const TableState& State() const { return state_; }
  const TableOptions& Options() const { return options_; }
  const FinalResult& Result() const { return finalResult_; }
  // The game ended (normally or because a write failed and stopped it).
  bool IsGameOver() const { return gameOver_; }
  // A failed write stopped the game; the message has been shown.
  bool IsStopped() const { return stopped_; }

  void SetSeatController(int seat, SeatController& controller) { seats_[static_cast<std::size_t>(seat)] = &controller; }
  // Something that follows every move (a log beyond the text record).
  void SetEvents(GameEvents& events) { events_ = &events; }
  // The options changed from the table's menu: speed and record path again.
  void ChangeOptions(TableOptions options);

  // The next hand is dealt from this wall instead of a new one: a LAN
  // guest's copy of the host's wall (already turned to this client), or a
  // wall given to a tool to replay a hand.
  void SetNextWall(WallMessage wall) { nextWall_ = wall; }
  // The first dealer is this seat instead of a random one (a replayed hand).
  void SetFirstDealer(int seat) { firstDealer_ = seat; }

  // The table window opens: players, scores and winds are set and the first
  // hand is dealt. The players' names, codes, ratings and isCpu come set.
  void OpenTable();
  // Clears the hand, builds (or takes) the wall, breaks it, deals, flips the
  // first dora and arranges the hands. A LAN host then announces the hand;
  // a failed send is returned and ends the game.
  Status StartHand();

  // Timer ticks.
  void OnTurnTimer();
  void OnResponseTimer();

  // Riichi for the seat, or, while its stick is out and the declaring tile
  // not yet discarded, the declaration taken back. open is the seat's wish
  // for an open riichi (a CPU's choice); the player at seat 1 is asked
  // instead. Refused unless RiichiAllowed.
  void DeclareRiichi(int seat, bool open = false);

  // The human at seat 1. Each predicate both lights its button and decides
  // whether the action is taken; the window reads the same predicates.
  bool CanPressPass() const;    // 無視 (F4)
  bool CanPressChi() const;     // チー (F5)
  bool CanPressPon() const;     // ポン (F6)
  bool CanPressKan() const;     // カン (F7)
  bool CanPressRiichi() const;  // 立直 (F8): declare, or take the declaration back
  bool CanPressWin() const;     // 倒牌 (F9): ron, tsumo or 九種公九牌倒牌
  bool CanClickTable() const;   // the table background passes, except during a tile selection
  bool CanDiscard(int position) const;
  void PressPass();
  // With several options these start a tile selection instead of answering.
  void PressChi();
  void PressPon();
  void PressKan();
  void PressRiichi();
  void PressWin();
  void ClickTable();
  // A discard; during a tile selection, the choice of an option.
  void ClickHandTile(int position);
  // During a tile selection: the hand positions raised while the pointer is
  // over the position (empty when it is over no option).
  std::vector<int> RaisedPositions(int position) const;
  // The menu toggles 鳴き無し and 栄和見逃し (their marks are noCallsToggle
  // and letRonsPassToggle).
  void ToggleNoCalls();
  void ToggleLetRonsPass();

  // Seat k discards hand position p (the turn cycle's own steps and the
  // human's click both end here).
  void Discard(int seat, int position);
  // Every hand that ends without a winner goes through here (wallRemaining
  // is already -1 and the turn timer stopped).
  void EndOfHandEntry();
  // After the settlement: the dealer stays or passes, honba moves, and the
  // next hand starts or the game ends. winner is the first winner (1 when
  // there is none).
  void EndHand(int winner, bool isWin);

 private:
  void TurnStep();
  void DrawStep(int seat);
  void DiscardStep(int seat);
  void DrawTile(int seat);
  bool DecideResponses();
  void WaitForAnswers();
  void ClearCallResponses();
  void RunResponseWindow();
  void AllPassed();
  void DrawAfterKan();
  void OfferKanToRobbers(bool kokushiOnly);
  void SettleWinners();
  void ApplyBestCall();
  void SettleAndReport(int seat);
  void RotateDealer();
  void EndGame();
  void WriteTenhouLog();
  // Every event goes to the game's own log (when kept) and to the watcher.
  template <class Event>
  void Emit(Event&& event) {
    if (keepTenhouLog_) event(static_cast<GameEvents&>(tenhouLog_));
    event(*events_);
  }
  bool WaitingForSeat1() const;
  bool Seat1ToMove() const;
  enum class DiscardCheck { Allowed, Ignored, KuikaeBanned };
  DiscardCheck CheckDiscard(int position) const;
  void AnswerForSeat1(int answer, int option);
  void AnswerOrSelect(int answer, int optionCount);
  void ClickDuringSelection(int position);
  void StartRiichi(int seat, bool open);
  bool FinishRiichi(int seat);
  bool Stop(const Status& status, std::string_view message);

  TablePorts ports_;
  TableOptions options_;
  TableState state_;
  PerSeat<SeatController*> seats_{};
  GameEvents noEvents_;
  GameEvents* events_ = &noEvents_;
  RecordFile recordFile_;
  TenhouLog tenhouLog_;
  bool keepTenhouLog_ = false;  // the record is on: the game also goes out as a tenhou.net/6 log
  std::optional<WallMessage> nextWall_;
  std::optional<int> firstDealer_;
  FinalResult finalResult_;
  int lanHandSerial_ = 0;
  bool responseOpen_ = false;
  bool extensionAnnounced_ = false;
  bool gameOver_ = false;
  bool stopped_ = false;
};

}  // namespace mj::engine
