#include "store/file_problem.h"

#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include <unistd.h>

namespace mj::store {
namespace {

namespace fs = std::filesystem;

constexpr int kMaxCopies = 100;

bool SameBytes(const fs::path& a, const fs::path& b) {
  std::error_code ec;
  if (fs::file_size(a, ec) != fs::file_size(b, ec) || ec) return false;
  std::ifstream fa(a, std::ios::binary), fb(b, std::ios::binary);
  return std::equal(std::istreambuf_iterator<char>(fa), std::istreambuf_iterator<char>(),
                    std::istreambuf_iterator<char>(fb), std::istreambuf_iterator<char>());
}

fs::path CopyName(const fs::path& path, int n) {
  fs::path copy = path;
  copy += n == 1 ? ".damaged" : ".damaged" + std::to_string(n);
  return copy;
}

bool NotWritable(const fs::path& path) {
  std::error_code ec;
  const fs::perms perms = fs::status(path, ec).permissions();
  if (ec) return true;
  constexpr fs::perms kAnyWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  return (perms & kAnyWrite) == fs::perms::none || ::access(path.c_str(), W_OK) != 0;
}

}  // namespace

bool CannotWrite(const std::string& path) {
  const fs::path file(path);
  const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
  return NotWritable(file) || NotWritable(folder);
}

FileProblem ProblemOf(const Status& status) {
  if (status.ok()) return FileProblem::None;
  switch (status.code() & 0xff) {
    case SQLITE_CANTOPEN: return FileProblem::Missing;
    case SQLITE_READONLY: return FileProblem::ReadOnly;
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return FileProblem::Locked;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB: return FileProblem::Damaged;
    default: return FileProblem::Other;
  }
}

std::string ProblemText(const Status& status) {
  switch (ProblemOf(status)) {
    case FileProblem::Missing: return std::string(kMissingText);
    case FileProblem::ReadOnly: return std::string(kReadOnlyText);
    case FileProblem::Locked: return std::string(kLockedText);
    case FileProblem::Damaged:
      return status.message().starts_with(kDamagedText) ? status.message() : std::string(kDamagedText);
    case FileProblem::None:
    case FileProblem::Other: break;
  }
  return {};
}

Result<std::string> CopyDamagedFileAside(const std::string& path) {
  const fs::path source(path);
  fs::path journal = source;
  journal += "-journal";
  for (int n = 1; n <= kMaxCopies; ++n) {
    const fs::path copy = CopyName(source, n);
    std::error_code ec;
    if (fs::exists(copy, ec)) {
      if (SameBytes(source, copy)) return copy.string();
      continue;
    }
    if (!fs::copy_file(source, copy, ec)) {
      return Status::Error(SQLITE_CANTOPEN, "cannot copy " + path + " to " + copy.string() + ": " + ec.message());
    }
    if (fs::exists(journal, ec)) {
      fs::path journalCopy = copy;
      journalCopy += "-journal";
      fs::copy_file(journal, journalCopy, ec);
    }
    return copy.string();
  }
  return Status::Error(SQLITE_CANTOPEN, "too many damaged copies beside " + path);
}

Status DamagedStatus(int code, const std::string& copyPath) {
  return Status::Error(code, std::string(kDamagedText) + "（元のファイルを " + copyPath + " に保存しました）");
}

}  // namespace mj::store
