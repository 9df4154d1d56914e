#pragma once
// The queries the hand calculator answers, by name. A query file registers
// itself with one line:
//   const bool registered = mj::tools::RegisterQuery("waits", &AnswerWaits);
#include <string_view>

#include <nlohmann/json.hpp>

#include "common/result.h"

namespace mj::tools {

using Json = nlohmann::ordered_json;

// The answer's fields (the id is added by the caller), or a failure whose
// message tells the user what was wrong with the request.
using QueryFunction = Result<Json> (*)(const Json& request);

bool RegisterQuery(std::string_view name, QueryFunction answer);
// Null when no query has that name.
QueryFunction FindQuery(std::string_view name);

}  // namespace mj::tools
