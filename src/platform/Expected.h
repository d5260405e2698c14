#pragma once

#include <utility>
#include <variant>

namespace platform {

// Carries an error as a plain value in place of std::unexpected.
template <class E> struct Unexpected {
    E error;
};

template <class E> Unexpected<std::decay_t<E>> unexpected(E &&error)
{
    return {std::forward<E>(error)};
}

// A value or the error that stopped it; failures cross module boundaries as
// values, never as exceptions.
template <class T, class E> class Expected final {
public:
    Expected(T value) : m_state(std::in_place_index<0>, std::move(value)) {}
    template <class G> Expected(Unexpected<G> error)
        : m_state(std::in_place_index<1>, E(std::move(error.error)))
    {}

    bool hasValue() const { return m_state.index() == 0; }
    explicit operator bool() const { return hasValue(); }

    T &value() & { return std::get<0>(m_state); }
    const T &value() const & { return std::get<0>(m_state); }
    // By value, so that range-for over fetch(...).value() does not dangle.
    T value() && { return std::get<0>(std::move(m_state)); }
    T &operator*() & { return value(); }
    const T &operator*() const & { return value(); }
    T *operator->() { return &value(); }
    const T *operator->() const { return &value(); }

    const E &error() const { return std::get<1>(m_state); }

    template <class U> T valueOr(U &&fallback) const
    {
        return hasValue() ? value() : static_cast<T>(std::forward<U>(fallback));
    }

private:
    std::variant<T, E> m_state;
};

// The result of an operation that only succeeds or fails.
template <class E> class Expected<void, E> final {
public:
    Expected() = default;
    template <class G> Expected(Unexpected<G> error) : m_error(E(std::move(error.error))), m_failed(true)
    {}

    bool hasValue() const { return !m_failed; }
    explicit operator bool() const { return hasValue(); }
    const E &error() const { return m_error; }

private:
    E m_error{};
    bool m_failed = false;
};

} // namespace platform
