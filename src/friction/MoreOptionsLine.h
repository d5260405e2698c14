#pragma once

#include <QWidget>

class QGraphicsOpacityEffect;
class QHBoxLayout;

namespace halvex {

// The friction row's more-options line: shown, it fades in while sliding
// down from its top edge; hidden, it fades out sliding back up and then
// leaves the layout. Both ease with the snappy spring.
class MoreOptionsLine final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MoreOptionsLine)
    Q_PROPERTY(qreal reveal READ reveal WRITE setReveal)
public:
    explicit MoreOptionsLine(QWidget *parent = nullptr);

    // The buttons go in here, side by side.
    QHBoxLayout *line() const;

    bool isShown() const { return m_shown; }
    void setShown(bool shown);

    // 0 out of sight, 1 in place; in between while it moves.
    qreal reveal() const { return m_reveal; }
    void setReveal(qreal reveal);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool event(QEvent *event) override;

private:
    void place();

    QWidget *m_content;
    QGraphicsOpacityEffect *m_opacity;
    bool m_shown = false;
    qreal m_reveal = 0.0;
};

} // namespace halvex
