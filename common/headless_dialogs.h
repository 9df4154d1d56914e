#pragma once
// Dialogs for programs without a window: every question gets a fixed answer,
// errors are kept (and, when asked for, written to standard error).
#include <cstdio>
#include <string>

#include "common/dialogs.h"

namespace mj {

class HeadlessDialogs final : public Dialogs {
 public:
  explicit HeadlessDialogs(bool answerYes = true, bool echoToStderr = false)
      : answerYes_(answerYes), echo_(echoToStderr) {}
  void ShowError(std::string_view text) override {
    lastError = std::string(text);
    if (echo_) std::fprintf(stderr, "error: %.*s\n", static_cast<int>(text.size()), text.data());
  }
  void ShowInfo(std::string_view text) override {
    if (echo_) std::fprintf(stderr, "%.*s\n", static_cast<int>(text.size()), text.data());
  }
  bool AskYesNo(std::string_view) override { return answerYes_; }
  bool AskOpenRiichi() override { return false; }

  std::string lastError;

 private:
  bool answerYes_;
  bool echo_;
};

}  // namespace mj
