#include "tools/hand/query_registry.h"

#include <map>
#include <string>

namespace mj::tools {
namespace {

// Built on first use, so registrations from any file's static start-up find it.
std::map<std::string, QueryFunction, std::less<>>& Registry() {
  static std::map<std::string, QueryFunction, std::less<>> queries;
  return queries;
}

}  // namespace

bool RegisterQuery(std::string_view name, QueryFunction answer) {
  return Registry().emplace(std::string(name), answer).second;
}

QueryFunction FindQuery(std::string_view name) {
  const auto it = Registry().find(name);
  return it == Registry().end() ? nullptr : it->second;
}

}  // namespace mj::tools
