#pragma once

#include <QWidget>

namespace halvex {

// The ground of a sheet's footer: the background colour under a divider
// line along its top edge.
class SheetFooter final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SheetFooter)
public:
    explicit SheetFooter(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;
};

} // namespace halvex
