#pragma once

#include <QObject>

class QWidget;

namespace halvex {

// Keeps a window of the friction panel up against the window manager: its
// close requests (Alt+F4, a task bar's or pager's close) are refused, and
// minimised it comes straight back, taking the focus again if it takes the
// focus at all. Either would otherwise leave the screen dimmed with nothing
// to answer, or the panel without what it stands on.
class StayOnScreen final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StayOnScreen)
public:
    // Watches the window, and goes with it.
    static void keep(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit StayOnScreen(QWidget *window);
    void comeBack();

    QWidget *m_window;
};

} // namespace halvex
