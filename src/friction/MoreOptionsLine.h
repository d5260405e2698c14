#pragma once

#include <QList>
#include <QWidget>

class QGraphicsOpacityEffect;

namespace halvex {

class FrictionSecondaryButton;

// The friction row's more-options line: its buttons side by side, centred.
// Shown, it fades in while sliding down from its top edge; hidden, it fades
// out sliding back up and then leaves the layout. Both ease with the snappy
// spring. Too narrow for every title on one line, the buttons first give up
// some of their side padding, alike; narrower still, the widest wrap their
// titles onto a second line, and the whole line takes the tallest one's height.
class MoreOptionsLine final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MoreOptionsLine)
    Q_PROPERTY(qreal reveal READ reveal WRITE setReveal)
public:
    explicit MoreOptionsLine(QWidget *parent = nullptr);

    static constexpr int spacing = 8;

    // Appends `button` to the line; hiding it later takes it out of the line.
    void addButton(FrictionSecondaryButton *button);

    bool isShown() const { return m_shown; }
    void setShown(bool shown);

    // 0 out of sight, 1 in place; in between while it moves.
    qreal reveal() const { return m_reveal; }
    void setReveal(qreal reveal);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QList<FrictionSecondaryButton *> shownButtons() const;
    // The width each shown button takes in a line `width` wide, in order.
    QList<int> buttonWidths(int width) const;
    void place();

    QWidget *m_content;
    QGraphicsOpacityEffect *m_opacity;
    QList<FrictionSecondaryButton *> m_buttons;
    bool m_shown = false;
    qreal m_reveal = 0.0;
};

} // namespace halvex
