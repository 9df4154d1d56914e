#pragma once
// Where the data file lives: the program folder, unless TSUBAKIYA_DATA_DIR
// names another folder (tests, and LAN machines whose shared folder is
// mounted at another path). The record file, sounds, screenshots and the LAN
// message file live in the same data folder.
#include <filesystem>
#include <string_view>

namespace mj::store {

constexpr std::string_view kDataFileName = "Tsubakiya.dat";
constexpr const char* kDataDirVariable = "TSUBAKIYA_DATA_DIR";

// The folder of the running executable.
std::filesystem::path ProgramFolder();
// TSUBAKIYA_DATA_DIR when it is set and not empty, else programFolder.
std::filesystem::path DataFolder(const std::filesystem::path& programFolder);
std::filesystem::path DataFilePath(const std::filesystem::path& programFolder);

}  // namespace mj::store
