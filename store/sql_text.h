#pragma once
// Statement texts are joined from the schema names; values never enter the
// text, they are bound as parameters.
#include <initializer_list>
#include <string>
#include <string_view>

namespace mj::store {

inline std::string Sql(std::initializer_list<std::string_view> parts) {
  std::string text;
  for (std::string_view p : parts) text += p;
  return text;
}

// "a, b, c"
inline std::string ColumnList(std::initializer_list<std::string_view> columns) {
  std::string text;
  for (std::string_view c : columns) {
    if (!text.empty()) text += ", ";
    text += c;
  }
  return text;
}

}  // namespace mj::store
