#pragma once

#include <optional>
#include <string>
#include <utility>
#include <variant>

namespace bse {

// Why something was refused: a sentence for the user, or a reason the caller words itself.
struct Refusal {
    std::string reason;
};

// The one convention for everything that can fail: a value, or why there is none (a Refusal, or
// a failure that says more, with its `reason`).
template <typename T, typename Error = Refusal> class [[nodiscard]] Result {
  public:
    Result(T value) : state_(std::move(value)) {}
    Result(Error error) : state_(std::move(error)) {}

    bool ok() const { return std::holds_alternative<T>(state_); }
    explicit operator bool() const { return ok(); }

    T& value() { return std::get<T>(state_); }
    const T& value() const { return std::get<T>(state_); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }
    T& operator*() { return value(); }
    const T& operator*() const { return value(); }

    const Error& error() const { return std::get<Error>(state_); }
    const std::string& reason() const { return error().reason; }

  private:
    std::variant<T, Error> state_;
};

// Success with nothing to carry.
struct Done {};
using Status = Result<Done>;

inline Refusal refuse(std::string reason) {
    return Refusal{std::move(reason)};
}

} // namespace bse
