// Builds the shipped data file: runs the checked-in seed into a new file,
// writes the check values that match it and moves it into place.
//   tsubakiya-make-data-file SEED.sql OUT.dat
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "common/headless_dialogs.h"
#include "store/data_store.h"
#include "store/sqlite_connection.h"

namespace {

int Fail(const std::string& what, const mj::Status& status) {
  std::cerr << "tsubakiya-make-data-file: " << what << ": " << status.message() << " (" << status.code() << ")\n";
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: tsubakiya-make-data-file SEED.sql OUT.dat\n";
    return 2;
  }
  const std::filesystem::path seedPath = argv[1], outPath = argv[2];
  std::ifstream seedFile(seedPath, std::ios::binary);
  if (!seedFile) {
    std::cerr << "tsubakiya-make-data-file: cannot read " << seedPath << '\n';
    return 1;
  }
  std::stringstream seed;
  seed << seedFile.rdbuf();

  std::filesystem::path work = outPath;
  work += ".new";
  std::error_code ec;
  std::filesystem::remove(work, ec);
  {
    auto db = mj::store::Connection::Create(work.string());
    if (!db.ok()) return Fail("cannot create " + work.string(), db.status());
    if (mj::Status s = (*db)->Exec(seed.str()); !s.ok()) return Fail("the seed failed", s);
  }

  mj::HeadlessDialogs dialogs(false, true);
  mj::store::DataStore store(work.string(), dialogs);
  auto wallet = store.LoadWallet();
  if (!wallet.ok()) return Fail("cannot read the money row", wallet.status());
  if (!wallet->has_value()) return Fail("the seed has no money row", mj::Status::Error(1, "no row 1"));
  store.money = (*wallet)->money;
  if (mj::Status s = store.StoreChecksum(); !s.ok()) return Fail("cannot store the check values", s);
  auto verified = store.VerifyChecksum();
  if (!verified.ok() || !*verified) return Fail("the check values do not verify", verified.status());

  std::filesystem::rename(work, outPath, ec);
  if (ec) {
    std::cerr << "tsubakiya-make-data-file: cannot move " << work << " to " << outPath << ": " << ec.message() << '\n';
    return 1;
  }
  return 0;
}
