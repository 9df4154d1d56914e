#pragma once
// The file the game record is appended to: opened, written and closed for
// every block, in CP932 with CR LF (the JSON log beside it: UTF-8 lines).
// Nothing else in the game depends on it, so a failed write is reported
// once and the record simply stops.
#include <string>

#include "common/dialogs.h"
#include "engine/game_record.h"

namespace mj::engine {

class RecordFile {
 public:
  // Empty path: no record.
  enum class Encoding { ShiftJisCrLf, Utf8Lf };
  explicit RecordFile(std::string path = {}, Encoding encoding = Encoding::ShiftJisCrLf)
      : path_(std::move(path)), encoding_(encoding) {}

  const std::string& Path() const { return path_; }
  bool IsOpen() const { return !path_.empty(); }

  // Creates the file when it does not exist yet. On failure the path is
  // dropped; the message is shown only when the table is opening.
  bool Test(Dialogs& dialogs, bool opening);
  // Appends a block; a failure is reported once, then the record stops.
  void Append(const RecordLines& lines, Dialogs& dialogs);

 private:
  std::string path_;
  Encoding encoding_;
};

}  // namespace mj::engine
