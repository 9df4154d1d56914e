#include "store/data_location.h"

#include <cstdlib>
#include <system_error>

namespace mj::store {

std::filesystem::path ProgramFolder() {
  std::error_code ec;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::filesystem::current_path(ec) : exe.parent_path();
}

std::filesystem::path DataFolder(const std::filesystem::path& programFolder) {
  const char* dir = std::getenv(kDataDirVariable);
  if (dir != nullptr && *dir != '\0') return std::filesystem::path(dir);
  return programFolder;
}

std::filesystem::path DataFilePath(const std::filesystem::path& programFolder) {
  return DataFolder(programFolder) / kDataFileName;
}

}  // namespace mj::store
