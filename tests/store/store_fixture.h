#pragma once
// Store tests run on a copy of the very file the build ships, in a fresh
// temporary folder, opened and closed by each operation as in play.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "store/data_store.h"
#include "store/row_types.h"
#include "tests/support/fake_dialogs.h"

namespace mj::store::test {

// A temporary folder, removed with everything in it at the end.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

std::string ShippedDataFile();
std::string ReadBytes(const std::filesystem::path& path);

// Runs statement text on the file as another program would; fails the test on error.
void Outside(const std::string& path, const std::string& sql);

class StoreTest : public ::testing::Test {
 protected:
  StoreTest();
  // What the start-up does: money from the wallet row.
  void TakeMoneyFromWallet(DataStore& s);
  // The check values stored in the file right now.
  CheckValues StoredCheckValues();
  // A fresh start-up's verdict on the file: the wallet's money, then VerifyChecksum.
  bool VerifiesAtStartUp();
  UserRow User(std::int16_t code);

  TempFolder folder;
  std::string path;
  mj::test::FakeDialogs dialogs;
  DataStore store;
};

}  // namespace mj::store::test
