#pragma once

#include <QObject>

class QWidget;

namespace halvex {

// Whether a control draws its focus ring: only while its focus came from the
// keyboard (Tab, Backtab, a shortcut), so a window that opens with focus on
// it, or a click, shows none.
class KeyboardFocusRing final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(KeyboardFocusRing)
public:
    static void track(QWidget *widget);
    static bool shows(const QWidget *widget);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit KeyboardFocusRing(QWidget *widget);
    bool m_fromKeyboard = false;
};

} // namespace halvex
