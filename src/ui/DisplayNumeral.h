#pragma once

#include <functional>

#include <QWidget>

namespace halvex {

// A big number in the rounded display face. All digits take the same width,
// so the block does not jitter while the number changes; a new value rolls
// in (the changed digits slide) with the gentle spring. Its accessible name
// is the plain decimal number.
class DisplayNumeral final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DisplayNumeral)
    Q_PROPERTY(qreal transition READ transition WRITE setTransition)
public:
    enum class Size { large, medium };

    explicit DisplayNumeral(int value = 0, Size size = Size::large, QWidget *parent = nullptr);

    int value() const { return m_value; }
    void setValue(int value);
    Size size() const { return m_size; }
    void setSize(Size size);

    // The text as shown: the value in the locale's digits, without grouping.
    QString text() const { return textFor(m_value); }

    // 0 when a new value has just arrived, 1 once it has rolled in.
    qreal transition() const { return m_transition; }
    void setTransition(qreal transition);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    QString textFor(int value) const;
    int cellWidth() const;
    qreal widthOf(const QString &text) const;
    // Draws the characters of `text` for which `include(index)` holds,
    // `dy` below their resting place; digits sit centred in equal cells.
    void drawGlyphs(QPainter &painter, const QString &text, const std::function<bool(int)> &include,
                    qreal dy) const;

    int m_value;
    int m_previous;
    Size m_size;
    qreal m_transition = 1.0;
};

} // namespace halvex
