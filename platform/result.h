// Small success-or-error values for calls that cross the platform seam.
#pragma once

#include <string>
#include <utility>
#include <variant>

namespace tess {

struct Error {
    std::string message;  // plain words, fit to show a user
};

// Dropping one unread is a compile error in our checks: an error must be handled or said to be ignored.
template <class T>
class [[nodiscard]] Result {
public:
    Result(T value) : v_(std::move(value)) {}
    Result(Error error) : v_(std::move(error)) {}

    bool ok() const { return v_.index() == 0; }
    explicit operator bool() const { return ok(); }
    T& value() { return std::get<0>(v_); }
    const T& value() const { return std::get<0>(v_); }
    T& operator*() { return value(); }
    const T& operator*() const { return value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }
    const Error& error() const { return std::get<1>(v_); }

private:
    std::variant<T, Error> v_;
};

template <>
class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Error error) : ok_(false), error_(std::move(error)) {}
    bool ok() const { return ok_; }
    explicit operator bool() const { return ok_; }
    const Error& error() const { return error_; }

private:
    bool ok_ = true;
    Error error_;
};

using Status = Result<void>;

}  // namespace tess
