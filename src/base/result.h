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

// The one convention for everything that can fail: a value, or a refusal with its reason.
template <typename T> class [[nodiscard]] Result {
  public:
    Result(T value) : state_(std::move(value)) {}
    Result(Refusal refusal) : state_(std::move(refusal)) {}

    bool ok() const { return std::holds_alternative<T>(state_); }
    explicit operator bool() const { return ok(); }

    T& value() { return std::get<T>(state_); }
    const T& value() const { return std::get<T>(state_); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }
    T& operator*() { return value(); }
    const T& operator*() const { return value(); }

    const std::string& reason() const { return std::get<Refusal>(state_).reason; }

  private:
    std::variant<T, Refusal> state_;
};

// Success with nothing to carry.
struct Done {};
using Status = Result<Done>;

inline Refusal refuse(std::string reason) {
    return Refusal{std::move(reason)};
}

} // namespace bse
