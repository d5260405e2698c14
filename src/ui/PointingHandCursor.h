#pragma once

#include <QObject>

class QWidget;

namespace halvex {

// The pointing hand over a widget while `active`. Qt shows a widget's own
// cursor only while the pointer is over it, so leaving, hiding or closing
// the widget needs no bookkeeping; inactive, the widget inherits its
// parent's cursor again.
class PointingHandCursor final {
public:
    static void setActive(QWidget *widget, bool active);
    static bool isActive(const QWidget *widget);
};

// The usual mark of something clickable: the pointing hand while the widget
// is enabled (itself and every ancestor), the inherited cursor otherwise.
class HoverPointingHandCursor final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HoverPointingHandCursor)
public:
    static void apply(QWidget *widget);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit HoverPointingHandCursor(QWidget *widget);
};

} // namespace halvex
