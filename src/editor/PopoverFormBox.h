#pragma once

#include <QWidget>

namespace halvex {

// The box in which popover-width forms frame a section: the content padded
// 12 at the sides and 4 above and below, on a surface-filled rounded
// rectangle (radius 12).
class PopoverFormBox final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PopoverFormBox)
public:
    explicit PopoverFormBox(QWidget *content, QWidget *parent = nullptr);

    static constexpr int horizontalPadding = 12;
    static constexpr int verticalPadding = 4;
    static constexpr qreal cornerRadius = 12.0;

    QWidget *content() const { return m_content; }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    QWidget *m_content;
};

} // namespace halvex
