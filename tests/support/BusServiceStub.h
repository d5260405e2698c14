#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QHash>
#include <QString>

namespace testing {

// A name on a session bus whose owner takes every call made to it and
// answers none, or refuses each at once: a service gone silent (a keyring
// daemon that hangs, a password prompt left open) or one that says no (a
// prompt cancelled). Counts the calls by member name. Calls are taken on
// the thread that made it, from its event loop; one never answered needs
// no event loop at all.
class BusServiceStub final : public QDBusVirtualObject {
public:
    enum class Answer { never, refuse };

    BusServiceStub(const QString &busAddress, const QString &name, Answer answer = Answer::never)
        : m_connectionName(QStringLiteral("bus-service-stub-") + name)
        , m_name(name)
        , m_answer(answer)
    {
        QDBusConnection connection = QDBusConnection::connectToBus(busAddress, m_connectionName);
        m_registered =
            connection.registerVirtualObject(QStringLiteral("/"), this, QDBusConnection::SubPath) &&
            connection.registerService(name);
    }
    ~BusServiceStub() override { QDBusConnection::disconnectFromBus(m_connectionName); }
    BusServiceStub(const BusServiceStub &) = delete;
    BusServiceStub &operator=(const BusServiceStub &) = delete;

    // Owns the name and takes calls.
    bool isRegistered() const { return m_registered; }
    void setAnswer(Answer answer) { m_answer = answer; }
    int calls(const QString &member) const { return m_calls.value(member); }
    int calls() const
    {
        int all = 0;
        for (const int n : m_calls)
            all += n;
        return all;
    }

    QString introspect(const QString &) const override { return {}; }
    bool handleMessage(const QDBusMessage &message, const QDBusConnection &connection) override
    {
        ++m_calls[message.member()];
        if (m_answer == Answer::refuse)
            connection.send(message.createErrorReply(QDBusError::AccessDenied,
                                                     m_name + QStringLiteral(" says no")));
        return true;
    }

private:
    QString m_connectionName;
    QString m_name;
    Answer m_answer;
    bool m_registered = false;
    QHash<QString, int> m_calls;
};

} // namespace testing
