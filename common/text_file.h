#pragma once
// Small file helpers. Lines are raw bytes: the caller decides the encoding
// (the game record is CP932 with CR LF).
#include <string>
#include <string_view>
#include <vector>

#include "common/result.h"

namespace mj {

bool FileExists(const std::string& path);
// True when the file exists and this process may not write to it.
bool IsReadOnly(const std::string& path);
Status DeleteFile(const std::string& path);
// Lines without their end-of-line bytes (LF or CR LF).
Result<std::vector<std::string>> ReadLines(const std::string& path);
// Replaces the file's content.
Status WriteLines(const std::string& path, const std::vector<std::string>& lines, std::string_view eol = "\n");
// Opens for appending, writes, closes: a failure leaves the earlier content.
Status AppendLines(const std::string& path, const std::vector<std::string>& lines, std::string_view eol = "\n");
// Creates an empty file when none exists.
Status CreateEmptyFile(const std::string& path);

}  // namespace mj
