// One open-statement-close cycle of the data file's busiest operations, on a
// copy of the shipped file in the temporary folder (TMPDIR picks the disk).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

#include "common/headless_dialogs.h"
#include "store/data_store.h"

namespace {

std::filesystem::path MakeFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "tsubakiya-bench-XXXXXX").string();
  return ::mkdtemp(pattern.data()) != nullptr ? std::filesystem::path(pattern) : std::filesystem::path();
}

struct BenchFile {
  BenchFile() {
    std::filesystem::copy_file(TSUBAKIYA_SHIPPED_DATA_FILE, path);
    store.money = (*store.LoadWallet())->money;
  }
  ~BenchFile() {
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
  }
  std::filesystem::path folder = MakeFolder();
  std::string path = (folder / "Tsubakiya.dat").string();
  mj::HeadlessDialogs dialogs{false};
  mj::store::DataStore store{path, dialogs};
};

// Stops the benchmark when an operation fails instead of timing the failure.
template <class R>
void Check(benchmark::State& state, const R& result) {
  if (!result.ok()) state.SkipWithError(result.status().message().c_str());
}
void Check(benchmark::State& state, const mj::Status& status) {
  if (!status.ok()) state.SkipWithError(status.message().c_str());
}

void BM_LoadUser(benchmark::State& state) {
  BenchFile file;
  for (auto _ : state) Check(state, file.store.LoadUser(1001, false));
}
BENCHMARK(BM_LoadUser);

// A counted change: the increment and fresh check values in one transaction.
void BM_AddUserStats(benchmark::State& state) {
  BenchFile file;
  mj::StatsDelta delta;
  delta.code = 1001;
  delta.amounts.hands = 1;
  for (auto _ : state) Check(state, file.store.AddUserStats(delta));
}
BENCHMARK(BM_AddUserStats);

void BM_SaveOption(benchmark::State& state) {
  BenchFile file;
  std::int16_t speed = 0;
  for (auto _ : state) {
    speed = static_cast<std::int16_t>((speed + 1) % 3);  // a new value each time, so the row is really written
    Check(state, file.store.SaveOption(1, 1, speed, "", ""));
  }
}
BENCHMARK(BM_SaveOption);

void BM_VerifyChecksum(benchmark::State& state) {
  BenchFile file;
  for (auto _ : state) Check(state, file.store.VerifyChecksum());
}
BENCHMARK(BM_VerifyChecksum);

}  // namespace
