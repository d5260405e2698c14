#pragma once

#include <QWidget>

namespace halvex {

// A one-point line in the divider colour, across its width.
class DividerLine final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DividerLine)
public:
    explicit DividerLine(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;
};

} // namespace halvex
