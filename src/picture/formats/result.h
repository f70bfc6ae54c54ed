#pragma once

#include <string>
#include <utility>
#include <variant>

namespace qc {

// A failure with a short human-readable reason. Errors cross module boundaries as values.
struct Error {
    std::string message;
};

inline Error Fail(std::string message) { return Error{std::move(message)}; }

template <typename T>
class [[nodiscard]] Result {
public:
    Result(T value) : m_value(std::move(value)) {}
    Result(Error error) : m_value(std::move(error)) {}

    bool ok() const { return m_value.index() == 0; }
    explicit operator bool() const { return ok(); }

    T& value() & { return std::get<0>(m_value); }
    const T& value() const& { return std::get<0>(m_value); }
    T&& value() && { return std::get<0>(std::move(m_value)); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }
    T& operator*() & { return value(); }

    const std::string& error() const { return std::get<1>(m_value).message; }
    Error takeError() const { return std::get<1>(m_value); }

private:
    std::variant<T, Error> m_value;
};

}  // namespace qc
