#include "store/data_location.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace mj::store {
namespace {

// Sets or clears the variable for one test and puts the old value back.
class DataDirVariable {
 public:
  explicit DataDirVariable(const char* value) {
    if (const char* old = std::getenv(kDataDirVariable)) old_ = old;
    if (value != nullptr) {
      ::setenv(kDataDirVariable, value, 1);
    } else {
      ::unsetenv(kDataDirVariable);
    }
  }
  ~DataDirVariable() {
    if (old_) {
      ::setenv(kDataDirVariable, old_->c_str(), 1);
    } else {
      ::unsetenv(kDataDirVariable);
    }
  }

 private:
  std::optional<std::string> old_;
};

TEST(DataLocation, TheProgramFolderUnlessTheVariableNamesAnother) {
  struct Row {
    const char* name;
    const char* variable;
    const char* folder;
  } rows[] = {
      {"unset", nullptr, "/opt/tsubakiya"},
      {"empty", "", "/opt/tsubakiya"},
      {"set", "/mnt/share/mahjong", "/mnt/share/mahjong"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    DataDirVariable variable(row.variable);
    EXPECT_EQ(DataFolder("/opt/tsubakiya"), std::filesystem::path(row.folder));
    EXPECT_EQ(DataFilePath("/opt/tsubakiya"), std::filesystem::path(row.folder) / "Tsubakiya.dat");
  }
}

TEST(DataLocation, TheProgramFolderHoldsThisExecutable) {
  const std::filesystem::path folder = ProgramFolder();
  EXPECT_TRUE(folder.is_absolute());
  EXPECT_EQ(folder.filename(), "tests");
}

}  // namespace
}  // namespace mj::store
