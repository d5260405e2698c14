#pragma once

#include <QColor>
#include <QObject>

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

    // `from` at 0, `to` at 1.
    static QColor mix(const QColor &from, const QColor &to, qreal amount);

private:
    QWidget *m_owner;
    bool m_selected;
    qreal m_value;
};

} // namespace halvex
