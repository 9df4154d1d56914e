#pragma once
// Short display texts held in place (yaku lines, limit labels): scoring runs
// for every win check and must not allocate.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace mj {

template <std::size_t Capacity>
class FixedText {
 public:
  constexpr FixedText() = default;
  FixedText(std::string_view text) { Append(text); }  // NOLINT: implicit on purpose

  void Clear() { size_ = 0; }
  // Appends as much as fits, never splitting a UTF-8 character.
  FixedText& Append(std::string_view text) {
    std::size_t n = std::min(text.size(), Capacity - size_);
    if (n < text.size()) {
      while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) --n;
    }
    std::memcpy(data_.data() + size_, text.data(), n);
    size_ += n;
    return *this;
  }

  std::string_view View() const { return std::string_view(data_.data(), size_); }
  std::string Str() const { return std::string(View()); }
  bool empty() const { return size_ == 0; }
  std::size_t size() const { return size_; }

  friend bool operator==(const FixedText& a, std::string_view b) { return a.View() == b; }
  friend bool operator==(const FixedText& a, const FixedText& b) { return a.View() == b.View(); }

 private:
  std::array<char, Capacity> data_{};
  std::size_t size_ = 0;
};

}  // namespace mj
