#pragma once

#include <string>
#include <utility>
#include <variant>

namespace bse::io {

// A value, or why there is none (by default the system's own words).
template <class T, class Error = std::string> class Result {
  public:
    Result(T value) : state_(std::in_place_index<0>, std::move(value)) {}
    static Result failure(Error error) { return Result(std::in_place_index<1>, std::move(error)); }

    bool ok() const { return state_.index() == 0; }
    explicit operator bool() const { return ok(); }
    T& value() { return std::get<0>(state_); }
    const T& value() const { return std::get<0>(state_); }
    const Error& error() const { return std::get<1>(state_); }

  private:
    template <std::size_t I, class V>
    Result(std::in_place_index_t<I> index, V&& v) : state_(index, std::forward<V>(v)) {}

    std::variant<T, Error> state_;
};

// A step that yields nothing but may fail.
using Status = Result<std::monostate>;

} // namespace bse::io
