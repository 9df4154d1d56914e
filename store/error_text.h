#pragma once
// "予期しないエラーが発生しました(ERR02 =5)": a failed file access inside a
// window, with the call site's tag and the engine's error number.
#include <string>
#include <string_view>

namespace mj::store {

constexpr std::string_view kUnexpectedErrorText = "予期しないエラーが発生しました";

inline std::string UnexpectedErrorText(std::string_view tag, int code) {
  return std::string(kUnexpectedErrorText) + std::string(tag) + std::to_string(code) + ")";
}

}  // namespace mj::store
