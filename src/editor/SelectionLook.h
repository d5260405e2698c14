#pragma once

#include <QColor>
#include <QObject>

class QPainter;
class QWidget;

namespace halvex {

// How selected a control looks, from 0 (not) to 1 (selected). A change of
// selection eases there with the snappy spring, repainting the owner at
// each step; controls blend their colours and line widths by it.
class SelectionLook final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SelectionLook)
    Q_PROPERTY(qreal value READ value WRITE setValue)
public:
    SelectionLook(QWidget *owner, bool selected);

    bool isSelected() const { return m_selected; }
    // Eases to the new look, or jumps there when not `animated`.
    void setSelected(bool selected, bool animated = true);

    qreal value() const { return m_value; }
    void setValue(qreal value);

    // A selectable card's outline across `owner`: divider at width 1,
    // blending into ink at width 2 as `look` nears 1.
    static void strokeOutline(QPainter &p, const QWidget *owner, qreal look, qreal cornerRadius);
    // The accent ring inside that outline while the keyboard focus shows.
    static void paintFocusRing(QPainter &p, const QWidget *owner, qreal cornerRadius);

private:
    QWidget *m_owner;
    bool m_selected;
    qreal m_value;
};

} // namespace halvex
