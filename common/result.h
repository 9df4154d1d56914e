#pragma once
// Failures travel as values: the caller that owns the user-visible text turns
// a failed Status into a message; nothing below the windows shows anything.
#include <optional>
#include <string>
#include <utility>

namespace mj {

class Status {
 public:
  Status() = default;
  static Status Ok() { return Status(); }
  static Status Error(int code, std::string message) { return Status(code, std::move(message)); }

  bool ok() const { return code_ == 0; }
  // The engine error number (0 = success); shown after "(ERRnn =" by the caller.
  int code() const { return code_; }
  const std::string& message() const { return message_; }

 private:
  Status(int code, std::string message) : code_(code == 0 ? -1 : code), message_(std::move(message)) {}
  int code_ = 0;
  std::string message_;
};

template <class T>
class Result {
 public:
  Result(T value) : value_(std::move(value)) {}  // NOLINT: implicit on purpose
  Result(Status status) : status_(std::move(status)) {}  // NOLINT

  bool ok() const { return value_.has_value(); }
  const Status& status() const { return status_; }
  T& value() { return *value_; }
  const T& value() const { return *value_; }
  T* operator->() { return &*value_; }
  const T* operator->() const { return &*value_; }
  T& operator*() { return *value_; }
  const T& operator*() const { return *value_; }

 private:
  std::optional<T> value_;
  Status status_;
};

}  // namespace mj
