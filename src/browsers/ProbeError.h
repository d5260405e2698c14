#pragma once

#include <QMetaType>
#include <QString>

namespace halvex {

// Why a URL read or a browser action failed.
class ProbeError final {
public:
    enum class Kind { scriptFailure, automationDenied, accessibilityDenied, notRunning };

    // The script could not run or reported an error; message says which.
    static ProbeError scriptFailure(QString message)
    {
        return {Kind::scriptFailure, std::move(message)};
    }
    static ProbeError automationDenied() { return {Kind::automationDenied, {}}; }
    static ProbeError accessibilityDenied() { return {Kind::accessibilityDenied, {}}; }
    static ProbeError notRunning() { return {Kind::notRunning, {}}; }

    Kind kind() const { return m_kind; }
    // The script failure's text; empty for the other kinds.
    const QString &message() const { return m_message; }

    // Script failures are equal when their texts are.
    friend bool operator==(const ProbeError &, const ProbeError &) = default;

    // For logs and test output: "scriptFailure(timeout)", "automationDenied", ...
    QString description() const;

private:
    ProbeError(Kind kind, QString message)
        : m_kind(kind)
        , m_message(std::move(message))
    {}

    Kind m_kind;
    QString m_message;
};

} // namespace halvex
