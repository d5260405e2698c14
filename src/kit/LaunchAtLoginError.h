#pragma once

#include <QString>

#include "platform/LoginItem.h"

namespace fennimar {

// Why launch at login could not be turned on or off.
class LaunchAtLoginError final {
public:
    enum class Kind {
        failed,           // any other failure, with the system's own text
        requiresApproval, // waits for the user's approval in the desktop's settings
        notFound,         // the system cannot find the application to start
    };

    LaunchAtLoginError() = default;
    static LaunchAtLoginError failed(QString message) { return {Kind::failed, std::move(message)}; }
    static LaunchAtLoginError requiresApproval() { return {Kind::requiresApproval, {}}; }
    static LaunchAtLoginError notFound() { return {Kind::notFound, {}}; }
    // By the system's error code; unknown codes are plain failures.
    static LaunchAtLoginError fromPlatform(const platform::LoginItemError &error);

    Kind kind() const { return m_kind; }
    // The system's text of a plain failure; empty otherwise.
    const QString &message() const { return m_message; }
    // What to tell the user, in their language.
    QString errorDescription() const;

    friend bool operator==(const LaunchAtLoginError &, const LaunchAtLoginError &) = default;

private:
    LaunchAtLoginError(Kind kind, QString message)
        : m_kind(kind)
        , m_message(std::move(message))
    {}

    Kind m_kind = Kind::failed;
    QString m_message;
};

} // namespace fennimar
