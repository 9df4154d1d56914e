#pragma once
// The human seat's menu toggles and tile selections.

namespace mj {

struct HumanState {
  bool noCallsToggle = false;      // 鳴き無し: call offers on a discard pass by themselves
  bool letRonsPassToggle = false;  // 栄和見逃し: ron offers pass by themselves
  int chiSelecting = 0;            // 0 off, 1 choosing, 2 chosen
  int kanSelecting = 0;
};

}  // namespace mj
