#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace mj {

// The message boxes the program shows. The window implements them with Qt
// ("エラー", "情報", "確認" as titles); tests and tools answer headless.
class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual void ShowError(std::string_view text) = 0;
  virtual void ShowInfo(std::string_view text) = 0;
  // true for Yes.
  virtual bool AskYesNo(std::string_view text) = 0;
  // The riichi-kind window: true when オープン立直 was chosen over 立直.
  virtual bool AskOpenRiichi() = 0;
  // The input box: the text entered (preset shown first), or nullopt for
  // Cancel. Without a box to show, every question is cancelled.
  virtual std::optional<std::string> AskText(std::string_view prompt, std::string_view title,
                                             std::string_view preset) {
    (void)prompt, (void)title, (void)preset;
    return std::nullopt;
  }
};

}  // namespace mj
