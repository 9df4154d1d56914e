#pragma once
// What happens while another program holds the data file. The file may be
// shared by several machines, so a lock is normal and short; the window
// shows a notice while it lasts instead of freezing without a word.
#include <chrono>

namespace mj::store {

class LockWait {
 public:
  virtual ~LockWait() = default;
  // Called after each short pause while the file stays locked; waited is the
  // time since this wait began. false gives up: the operation then fails as
  // locked and changes nothing.
  virtual bool KeepWaiting(std::chrono::milliseconds waited) = 0;
  // Called once when a wait is over (the lock came free or was given up).
  virtual void WaitEnded() {}
};

// The pause between two tries.
constexpr std::chrono::milliseconds kLockPause{20};
// With nobody to tell (tools, scripts), a wait ends after this long.
constexpr std::chrono::milliseconds kUnattendedLockLimit{30000};

}  // namespace mj::store
