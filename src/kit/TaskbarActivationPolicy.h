#pragma once

#include <memory>

#include <QObject>
#include <QSet>

#include "kit/ActivationPolicy.h"
#include "platform/TaskbarPresence.h"

class QWindow;

namespace fennimar {

// The activation policy of a desktop with a task bar: what it changes is
// whether our windows show in the task bar (and pager). Regular clears the
// skip hints of every top-level window and dialog; accessory and prohibited
// set them, also on windows shown later. The application starts regular, as
// any X11 client does. Without a desktop it only remembers the policy. Main
// thread only.
class TaskbarActivationPolicy final : public QObject, public ActivationPolicyBackend {
    Q_OBJECT
public:
    // On the desktop's live task bar.
    explicit TaskbarActivationPolicy(QObject *parent = nullptr);
    explicit TaskbarActivationPolicy(std::shared_ptr<platform::TaskbarPresence> presence,
                                     QObject *parent = nullptr);
    ~TaskbarActivationPolicy() override;
    Q_DISABLE_COPY_MOVE(TaskbarActivationPolicy)

    ActivationPolicy activationPolicy() const override { return m_policy; }
    void setActivationPolicy(ActivationPolicy policy) override;

    // Whether the desktop is told to leave the window out of the task bar.
    bool isSkippingTaskbar(const QWindow *window) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool skips() const { return m_policy != ActivationPolicy::regular; }
    void apply(QWindow *window) const;

    std::shared_ptr<platform::TaskbarPresence> m_presence;
    // Shown and not yet on screen.
    QSet<const QWindow *> m_awaitingMap;
    ActivationPolicy m_policy = ActivationPolicy::regular;
};

} // namespace fennimar
