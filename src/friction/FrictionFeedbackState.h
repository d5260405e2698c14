#pragma once

#include <optional>

#include <QMetaType>
#include <QString>

namespace halvex {

// The line under the friction panel's buttons: nothing, or a failure message
// that is already in the user's language.
class FrictionFeedbackState final {
public:
    FrictionFeedbackState() = default;

    static FrictionFeedbackState idle() { return {}; }
    static FrictionFeedbackState failure(QString message)
    {
        FrictionFeedbackState state;
        state.m_failure = std::move(message);
        return state;
    }

    bool isFailure() const { return m_failure.has_value(); }
    // Empty while idle.
    QString message() const { return m_failure.value_or(QString()); }

    friend bool operator==(const FrictionFeedbackState &, const FrictionFeedbackState &) = default;

private:
    std::optional<QString> m_failure;
};

} // namespace halvex

Q_DECLARE_METATYPE(halvex::FrictionFeedbackState)
