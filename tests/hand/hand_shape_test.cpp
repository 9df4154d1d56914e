#include "hand/hand_shape.h"

#include <gtest/gtest.h>

#include "tests/support/tile_notation.h"

namespace mj::hand {
namespace {

// The waits of the fast search against the completeness test tried with
// each of the 34 kinds.
TEST(HandShape, WaitsAgreeWithTheCompletenessTestForEveryKind) {
  const char* hands[] = {
      "123m456p789s111z5z",   // an honour single waits for its pair
      "111m456p789s123s7z",   // the same beside suit triplets
      "123m456p789s11z22z",   // two honour pairs
      "123m456p789s1112z",    // an honour triplet and a single
      "1112345678999m",       // nine gates
      "123m456s111z22s57p",   // a gap wait
      "19m19p19s1234567z",    // thirteen orphans, every kind
      "1122m3344p5566s7z",    // seven pairs
  };
  for (const char* notation : hands) {
    SCOPED_TRACE(notation);
    TableState s;
    test::SetHand(s, 1, notation);
    HandShape shape = WaitShapeOf(s, 1);
    KindList brute;
    for (TileCode k = 1; k <= kKindCount; ++k) {
      shape.AddTile(k);
      if (IsCompleteShape(shape)) brute.Add(k);
      shape.RemoveTile(k);
    }
    EXPECT_FALSE(brute.empty());
    EXPECT_TRUE(WaitingKindsOf(WaitShapeOf(s, 1)) == brute);
  }
}

}  // namespace
}  // namespace mj::hand
