#include "common/text_file.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>

namespace mj {
namespace {

Status Errno(const std::string& what, const std::string& path) {
  const int err = errno == 0 ? EIO : errno;
  return Status::Error(err, what + " " + path + ": " + std::strerror(err));
}

Status WriteWithMode(const std::string& path, const std::vector<std::string>& lines, std::string_view eol,
                     const char* mode) {
  errno = 0;
  std::FILE* f = std::fopen(path.c_str(), mode);
  if (!f) return Errno("cannot open", path);
  bool ok = true;
  for (const std::string& line : lines) {
    ok = ok && std::fwrite(line.data(), 1, line.size(), f) == line.size();
    ok = ok && std::fwrite(eol.data(), 1, eol.size(), f) == eol.size();
  }
  ok = ok && std::fflush(f) == 0;
  const bool closed = std::fclose(f) == 0;
  if (!ok || !closed) return Errno("cannot write", path);
  return Status::Ok();
}

}  // namespace

bool FileExists(const std::string& path) { return ::access(path.c_str(), F_OK) == 0; }

bool IsReadOnly(const std::string& path) { return FileExists(path) && ::access(path.c_str(), W_OK) != 0; }

Status DeleteFile(const std::string& path) {
  errno = 0;
  if (std::remove(path.c_str()) != 0) return Errno("cannot delete", path);
  return Status::Ok();
}

Result<std::vector<std::string>> ReadLines(const std::string& path) {
  errno = 0;
  std::ifstream in(path, std::ios::binary);
  if (!in) return Errno("cannot open", path);
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  if (in.bad()) return Errno("cannot read", path);
  return lines;
}

Status WriteLines(const std::string& path, const std::vector<std::string>& lines, std::string_view eol) {
  return WriteWithMode(path, lines, eol, "wb");
}

Status AppendLines(const std::string& path, const std::vector<std::string>& lines, std::string_view eol) {
  return WriteWithMode(path, lines, eol, "ab");
}

Status CreateEmptyFile(const std::string& path) {
  if (FileExists(path)) return Status::Ok();
  return WriteWithMode(path, {}, "", "ab");
}

}  // namespace mj
