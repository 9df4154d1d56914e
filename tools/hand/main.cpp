// tsubakiya-hand: reads one JSON request per line on standard input and
// writes one JSON answer per line. A bad line is answered with an error and
// the next line is read; the exit status is 0 unless the input cannot be read.
#include <iostream>
#include <string>

#include "hand/suit_table.h"
#include "tools/hand/query_registry.h"

namespace {

using mj::tools::Json;

Json Answer(const std::string& line) {
  Json answer;
  const Json request = Json::parse(line, nullptr, false);
  answer["id"] = request.is_object() && request.contains("id") ? request["id"] : Json();
  if (request.is_discarded()) {
    answer["error"] = line.empty() ? "empty line" : "not valid JSON";
    return answer;
  }
  if (!request.is_object()) {
    answer["error"] = "not a JSON object";
    return answer;
  }
  if (!request.contains("query") || !request["query"].is_string()) {
    answer["error"] = "the request needs a \"query\" name";
    return answer;
  }
  const std::string name = request["query"].get<std::string>();
  const mj::tools::QueryFunction query = mj::tools::FindQuery(name);
  if (query == nullptr) {
    answer["error"] = "unknown query \"" + name + "\"";
    return answer;
  }
  mj::Result<Json> result = query(request);
  if (!result.ok()) {
    answer["error"] = result.status().message();
    return answer;
  }
  for (auto& [key, value] : result->items()) answer[key] = value;
  return answer;
}

}  // namespace

int main() {
  mj::hand::PrepareSuitTables();
  std::string line;
  while (std::getline(std::cin, line)) {
    std::cout << Answer(line).dump(-1, ' ', false, Json::error_handler_t::replace) << '\n' << std::flush;
  }
  if (std::cin.bad()) {
    std::cerr << "tsubakiya-hand: standard input could not be read\n";
    return 1;
  }
  return 0;
}
