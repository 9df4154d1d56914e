#pragma once
#include <string>
#include <vector>

#include "common/dialogs.h"

namespace mj::test {

// Remembers every message and answers questions from a script.
class FakeDialogs final : public Dialogs {
 public:
  void ShowError(std::string_view text) override { errors.emplace_back(text); }
  void ShowInfo(std::string_view text) override { infos.emplace_back(text); }
  bool AskYesNo(std::string_view text) override {
    questions.emplace_back(text);
    return answerYes;
  }
  bool AskOpenRiichi() override { return chooseOpenRiichi; }

  std::vector<std::string> errors, infos, questions;
  bool answerYes = true;
  bool chooseOpenRiichi = false;
};

}  // namespace mj::test
