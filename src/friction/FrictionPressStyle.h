#pragma once

#include <functional>

#include <QAbstractButton>

namespace halvex {

// What the friction panel's buttons share: the action run on a click, hover
// tracking (the hover look eases with the snappy spring), the enabled look,
// and, for the kinds drawn with the press style, a shrink to 97 % about the
// centre while pressed (eased with the snappy spring too, the whole button
// with its fill, border and shadow). Every kind shows the pointing hand
// while it can be clicked.
class FrictionPressStyle : public QAbstractButton {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FrictionPressStyle)
    Q_PROPERTY(qreal hoverLook READ hoverLook WRITE setHoverLook)
    Q_PROPERTY(qreal enabledLook READ enabledLook WRITE setEnabledLook)
    Q_PROPERTY(qreal pressScale READ pressScale WRITE setPressScale)
public:
    using Action = std::function<void()>;

    static constexpr qreal pressedScale = 0.97;

    void setAction(Action action) { m_action = std::move(action); }

    bool isHovering() const { return m_hovering; }
    // 0 while the pointer is away, 1 over the button; in between while easing.
    qreal hoverLook() const { return m_hoverLook; }
    void setHoverLook(qreal look);
    // 1 enabled, 0 disabled (by itself or by an ancestor).
    qreal enabledLook() const { return m_enabledLook; }
    void setEnabledLook(qreal look);
    qreal pressScale() const { return m_pressScale; }
    void setPressScale(qreal scale);

protected:
    enum class Kind { pressStyle, plain };
    FrictionPressStyle(const QString &title, Action action, Kind kind, QWidget *parent);

    // Whether a change of the enabled state eases instead of jumping.
    void setAnimatesEnabledLook(bool animates) { m_animatesEnabledLook = animates; }
    // Scales `painter` about the centre by the press scale.
    void applyPressScale(QPainter &painter) const;
    // After any of the looks changed (before the repaint it asks for).
    virtual void looksChanged() {}

    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void setHovering(bool hovering);

    Action m_action;
    Kind m_kind;
    bool m_hovering = false;
    bool m_animatesEnabledLook = false;
    qreal m_hoverLook = 0.0;
    qreal m_enabledLook = 1.0;
    qreal m_pressScale = 1.0;
};

} // namespace halvex
