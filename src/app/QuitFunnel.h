#pragma once

#include <functional>

#include <QObject>

class QCoreApplication;

namespace halvex {

// The one way out of the application. Whatever asks for the stop (the
// popover's quit button, SIGTERM, the session ending, any quit() of the
// application) lands in request(); the first request runs `prepare`, which
// answers once through its callback, and then `finish`, exactly once. Later
// requests join the one under way. Main thread only.
class QuitFunnel final : public QObject {
    Q_OBJECT
public:
    struct Steps {
        // Work that must end before the stop; calls `proceed` once.
        std::function<void(std::function<void()> proceed)> prepare;
        // The orderly stop and the end of the event loop.
        std::function<void()> finish;
    };

    explicit QuitFunnel(Steps steps, QObject *parent = nullptr);
    ~QuitFunnel() override;
    Q_DISABLE_COPY_MOVE(QuitFunnel)

    void request();
    bool isRequested() const { return m_state != State::running; }
    bool isFinished() const { return m_state == State::finished; }

    // Turns the application's own quit (its Quit event) into a request, so
    // that nothing leaves the event loop around the funnel.
    void interceptQuit(QCoreApplication &application);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class State { running, preparing, finished };

    void proceed();

    Steps m_steps;
    State m_state = State::running;
};

} // namespace halvex
