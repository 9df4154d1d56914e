#pragma once
// The data file's operations. Each opens the file, does one statement or one
// keyed edit and closes it again, so no connection is held between two
// operations and the other LAN machines reach the file in between. Values are
// bound as parameters. A change to a counted column and the check values it
// implies are written in one transaction: both land or neither does.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/dialogs.h"
#include "common/money.h"
#include "common/result.h"
#include "store/check_values.h"
#include "store/lock_wait.h"
#include "store/row_types.h"

namespace mj::store {

class Connection;

constexpr std::string_view kWalletUpdateFailedText = "レジストマスタの更新に失敗しました";
constexpr std::string_view kUserReadFailedText = "ユーザー情報の取得に失敗しました";

class DataStore {
 public:
  // dialogs shows the few messages the operations own (StoreChecksum's and
  // UnlockCharacter's); lockWait, when given, hears about every wait.
  DataStore(std::string dataFilePath, Dialogs& dialogs, LockWait* lockWait = nullptr);

  const std::string& dataFilePath() const { return dataFilePath_; }
  void SetLockWait(LockWait* lockWait) { lockWait_ = lockWait; }
  Dialogs& dialogs() const { return dialogs_; }

  // The working copy of 所持金: taken from the wallet at start-up and changed
  // only by the shop. The check values are computed from it, not from the column.
  Money money;
  // The last computed check values.
  CheckValues checkValues;
  // While false, AddUserStats changes nothing and reports success.
  bool statsEnabled = true;

  // The start-up check of the whole file: a failure whose ProblemOf is
  // Missing, ReadOnly (the file or its folder cannot be written) or Damaged
  // (an integrity check found a fault), each with its own ProblemText.
  Status CheckFile() const;

  // Reads: the row when there is one, nullopt when there is none, a failure
  // when the file cannot be used. None shows a message.
  Result<std::optional<UserRow>> LoadUser(std::int16_t code, bool enabledOnly) const;
  // The human players (人間フラグ 0), or the enabled CPU characters from 1001
  // on, in code order: the two lists of the records window.
  Result<std::vector<UserRow>> LoadUsers(bool cpuCharacters) const;
  Result<std::optional<RuleTableRow>> LoadRule(std::int16_t code) const;
  Result<std::optional<YakuRecord>> LoadYakuRecord(std::int16_t userCode, std::int16_t code) const;
  // Every yaku row of a player, by code.
  Result<std::vector<YakuRecord>> LoadYakuRecords(std::int16_t userCode) const;
  Result<std::optional<OptionRow>> LoadOption(std::int16_t userCode, std::int16_t code) const;
  Result<std::optional<std::string>> LoadSound(std::int16_t userCode, std::int16_t code) const;
  Result<std::optional<WalletRow>> LoadWallet() const;

  // Adds the amounts to the row, or inserts the row with them as its values
  // (有効フラグ 1). false when there is no row and the delta has no name:
  // nothing is written.
  Result<bool> AddUserStats(const StatsDelta& delta);
  // false when the rule row does not exist.
  Result<bool> SetRuleFlag(std::int16_t code, std::int16_t value);
  // Adds count (negative to take wins away) or inserts the row with it.
  Status AddYakuWins(std::int16_t userCode, std::int16_t code, std::string_view name, std::int32_t count);
  // Writes the row's value columns, inserting the row when it is missing.
  Status SaveOption(std::int16_t userCode, std::int16_t code, std::int16_t value, std::string_view recordPath,
                    std::string_view wallpaperPath);
  Status SaveSound(std::int16_t userCode, std::int16_t code, std::string_view path);
  // Writes money into 所持金.
  Status SaveMoney();
  // Removes a player's yaku rows whose count has dropped to 0 (only the row
  // of that code when one is given).
  Status RemoveEmptyYakuRecords(std::int16_t userCode, std::optional<std::int16_t> code = std::nullopt);

  // Sets checkValues from the file and money.
  Result<CheckValues> ComputeChecksum();
  // Computes and stores the check values; on failure also shows
  // "レジストマスタの更新に失敗しました".
  Status StoreChecksum();
  // Computes the check values and compares them with the stored ones.
  Result<bool> VerifyChecksum();

  // Enables CPU character 1005 + stage; the first time it shows
  // "新キャラクター「name」を入手しました". Shows its own failure messages.
  bool UnlockCharacter(int stage);

  // For the records window's maintenance and screens with their own
  // statements: one open cycle around body, which returns whether it
  // changed anything counted. A changing body is committed together with
  // fresh check values; a body that changed nothing is rolled back.
  Status Change(const std::function<Result<bool>(Connection&)>& body);
  Status Read(const std::function<Status(Connection&)>& body) const;
  // As Change, without check values: for columns outside the check.
  Status Write(const std::function<Status(Connection&)>& body);

 private:
  Status Use(const std::function<Status(Connection&)>& body) const;
  Result<CheckValues> StoreChecksumIn(Connection& db) const;

  std::string dataFilePath_;
  Dialogs& dialogs_;
  LockWait* lockWait_;
};

}  // namespace mj::store
