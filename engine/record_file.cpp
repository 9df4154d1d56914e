#include "engine/record_file.h"

#include "common/sjis_text.h"
#include "common/text_file.h"

namespace mj::engine {
namespace {

constexpr std::string_view kUnusableRecordPath = "牌譜ファイルの出力先に問題がある為記録できません";

}  // namespace

bool RecordFile::Test(Dialogs& dialogs, bool opening) {
  if (path_.empty()) return false;
  if (CreateEmptyFile(path_).ok() && !IsReadOnly(path_)) return true;
  path_.clear();
  if (opening) dialogs.ShowError(kUnusableRecordPath);
  return false;
}

void RecordFile::Append(const RecordLines& lines, Dialogs& dialogs) {
  if (path_.empty()) return;
  Status written;
  if (encoding_ == Encoding::Utf8Lf) {
    written = AppendLines(path_, lines, "\n");
  } else {
    std::vector<std::string> encoded;
    encoded.reserve(lines.size());
    for (const std::string& line : lines) encoded.push_back(ToShiftJisReplacing(line));
    written = AppendLines(path_, encoded, "\r\n");
  }
  if (written.ok()) return;
  path_.clear();
  dialogs.ShowError(kUnusableRecordPath);
}

}  // namespace mj::engine
