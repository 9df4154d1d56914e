#pragma once
#include <optional>
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
  // Answers from textAnswers in order; Cancel once they run out.
  std::optional<std::string> AskText(std::string_view prompt, std::string_view title,
                                     std::string_view preset) override {
    textPrompts.push_back(std::string(title) + "|" + std::string(prompt) + "|" + std::string(preset));
    if (textAnswers.empty()) return std::nullopt;
    std::optional<std::string> answer = textAnswers.front();
    textAnswers.erase(textAnswers.begin());
    return answer;
  }

  std::vector<std::string> errors, infos, questions, textPrompts;
  std::vector<std::optional<std::string>> textAnswers;
  bool answerYes = true;
  bool chooseOpenRiichi = false;
};

}  // namespace mj::test
