#include "tests/store/store_fixture.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>

#include <unistd.h>

#include "store/sqlite_connection.h"

namespace mj::store::test {

namespace {

// Memory-backed /dev/shm when there is one (and TMPDIR names no other
// place), so the many commits of these tests do not queue for the disk;
// files, journals and locks behave there as anywhere else.
std::filesystem::path TempRoot() {
  std::error_code ec;
  if (std::getenv("TMPDIR") == nullptr && std::filesystem::is_directory("/dev/shm", ec) &&
      ::access("/dev/shm", W_OK) == 0) {
    return "/dev/shm";
  }
  return std::filesystem::temp_directory_path();
}

}  // namespace

TempFolder::TempFolder() {
  std::string pattern = (TempRoot() / "tsubakiya-store-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "cannot make a temporary folder";
  path_ = pattern;
}

TempFolder::~TempFolder() {
  std::error_code ec;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
  std::filesystem::remove_all(path_, ec);
}

std::string ShippedDataFile() { return TSUBAKIYA_SHIPPED_DATA_FILE; }

std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void Outside(const std::string& path, const std::string& sql) {
  auto db = Connection::Open(path, nullptr);
  ASSERT_TRUE(db.ok()) << db.status().message();
  Status s = (*db)->Exec(sql);
  ASSERT_TRUE(s.ok()) << s.message();
}

StoreTest::StoreTest()
    : path((folder.path() / "Tsubakiya.dat").string()), store(path, dialogs) {
  std::filesystem::copy_file(ShippedDataFile(), path);
  TakeMoneyFromWallet(store);
}

void StoreTest::TakeMoneyFromWallet(DataStore& s) {
  auto wallet = s.LoadWallet();
  ASSERT_TRUE(wallet.ok()) << wallet.status().message();
  ASSERT_TRUE(wallet->has_value());
  s.money = (*wallet)->money;
}

CheckValues StoreTest::StoredCheckValues() {
  auto wallet = store.LoadWallet();
  EXPECT_TRUE(wallet.ok() && wallet->has_value());
  if (!wallet.ok() || !wallet->has_value()) return {};
  return CheckValues{(*wallet)->checkDigit, (*wallet)->checkCalc};
}

bool StoreTest::VerifiesAtStartUp() {
  DataStore fresh(path, dialogs);
  TakeMoneyFromWallet(fresh);
  auto verified = fresh.VerifyChecksum();
  EXPECT_TRUE(verified.ok()) << verified.status().message();
  return verified.ok() && *verified;
}

UserRow StoreTest::User(std::int16_t code) {
  auto row = store.LoadUser(code, false);
  EXPECT_TRUE(row.ok()) << row.status().message();
  EXPECT_TRUE(row.ok() && row->has_value()) << "no user " << code;
  return row.ok() && row->has_value() ? **row : UserRow{};
}

}  // namespace mj::store::test
