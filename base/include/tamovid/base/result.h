#pragma once

#include <concepts>
#include <optional>
#include <utility>
#include <variant>

namespace tamovid {

/// The error of a failed operation, to construct a Result from.
template <typename E>
struct Failure {
    E error;
};
template <typename E>
Failure(E) -> Failure<E>;

/// A value, or the error that took its place: what the libraries return wherever an
/// operation can fail. Test with ok(); value() and error() may be read only on the
/// matching side. Result<void, E> is an operation that gives nothing back but can fail;
/// it is a success when default-constructed.
template <typename T, typename E>
class [[nodiscard]] Result {
public:
    Result(T value) : state_(std::in_place_index<0>, std::move(value)) {}
    template <typename U>
    requires std::constructible_from<E, U&&> Result(Failure<U> failure)
        : state_(std::in_place_index<1>, std::move(failure.error)) {}

    bool ok() const { return state_.index() == 0; }

    const T& value() const& { return std::get<0>(state_); }
    T& value() & { return std::get<0>(state_); }
    T&& value() && { return std::get<0>(std::move(state_)); }
    const E& error() const { return std::get<1>(state_); }

private:
    std::variant<T, E> state_;
};

template <typename E>
class [[nodiscard]] Result<void, E> {
public:
    Result() = default;
    template <typename U>
    requires std::constructible_from<E, U&&> Result(Failure<U> failure)
        : error_(std::in_place, std::move(failure.error)) {}

    bool ok() const { return !error_.has_value(); }
    const E& error() const { return *error_; }

private:
    std::optional<E> error_;
};

}  // namespace tamovid
