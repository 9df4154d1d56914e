#pragma once
// The ways the data file itself can fail, each with its own message, and the
// copy a damaged file leaves beside itself before anything else touches it.
#include <string>
#include <string_view>

#include "common/result.h"

namespace mj::store {

enum class FileProblem : std::uint8_t {
  None,
  Missing,   // no file at the path
  ReadOnly,  // the file, or its folder, cannot be written
  Locked,    // another program held it and the wait was given up
  Damaged,   // not a database, or a damaged one
  Other,
};

constexpr std::string_view kMissingText = "システムファイルが見つかりません";
constexpr std::string_view kReadOnlyText = "システムファイルが読み取り専用になっています";
constexpr std::string_view kLockedText = "システムファイルが他のプログラムで使用中のため、処理を中断しました";
constexpr std::string_view kDamagedText = "システムファイルが壊れています";
// Shown while a lock lasts.
constexpr std::string_view kLockWaitText = "システムファイルが他のプログラムで使用中です。しばらくお待ち下さい";

FileProblem ProblemOf(const Status& status);
// The message for a problem with the file as a whole; empty for None and Other,
// whose message belongs to the caller. For a damaged file it names the copy.
std::string ProblemText(const Status& status);

// True when the file or its folder (where the journal goes) cannot be
// written: no write permission for this process, or no write bit at all.
bool CannotWrite(const std::string& path);

// Copies a damaged file (and its journal, when there is one) to
// "<name>.damaged", "<name>.damaged2", … unless an identical copy is already
// there. The value is the copy's path.
Result<std::string> CopyDamagedFileAside(const std::string& path);

// Status for a damaged file, naming where its bytes were kept.
Status DamagedStatus(int code, const std::string& copyPath);

}  // namespace mj::store
