#pragma once

#include <QStringList>
#include <QWidget>

namespace halvex {

// A row of equal segments of which at most one is selected: a rounded,
// edged track with the selected segment filled in ink on it. It takes the width it is given.
// A click or the arrow keys select a segment and emit segmentActivated();
// setSelectedIndex() only shows (-1 for none).
class SegmentedControl final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SegmentedControl)
public:
    explicit SegmentedControl(const QStringList &titles = {}, QWidget *parent = nullptr);

    static constexpr int controlHeight = 28;
    static constexpr qreal cornerRadius = 7.0;
    static constexpr int inset = 2;

    const QStringList &titles() const { return m_titles; }
    void setTitles(const QStringList &titles);
    int selectedIndex() const { return m_selected; }
    void setSelectedIndex(int index);
    QRect segmentRect(int index) const;
    int segmentAt(const QPoint &pos) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void segmentActivated(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool event(QEvent *event) override;

private:
    void activate(int index);

    QStringList m_titles;
    int m_selected = -1;
    int m_pressed = -1;
};

} // namespace halvex
