#include "ui/ButtonBase.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>

#include "ui/ActivityIndicator.h"
#include "ui/Environment.h"
#include "ui/Motion.h"
#include "ui/PointingHandCursor.h"

namespace halvex {

ButtonBase::ButtonBase(const QString &title, Action action, QWidget *parent)
    : QAbstractButton(parent)
    , m_action(std::move(action))
{
    setText(title);
    setFocusPolicy(Qt::TabFocus);
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (isClickable() && m_action)
            m_action();
    });
}

void ButtonBase::finishSetup(bool isEnabled)
{
    QAbstractButton::setEnabled(isEnabled);
    m_lastOwnEnabled = isOwnEnabled();
    m_ready = true;
    updateSizePolicy();
    refreshState(false);
}

ButtonBase::~ButtonBase() = default;

void ButtonBase::setFullWidth(bool fullWidth)
{
    if (fullWidth == m_fullWidth)
        return;
    m_fullWidth = fullWidth;
    updateSizePolicy();
    updateGeometry();
}

qreal ButtonBase::verticalPadding() const
{
    return Environment::controlVerticalPadding(this);
}

void ButtonBase::setEnabledLook(qreal look)
{
    m_enabledLook = look;
    if (m_indicator)
        m_indicator->setOpacity(indicatorOpacity());
    update();
}

void ButtonBase::enableLoading(const ThemeColor &tint)
{
    m_indicator = new ActivityIndicator(tint, this);
    m_indicator->hide();
}

void ButtonBase::setLoadingState(bool loading)
{
    if (loading == m_loading)
        return;
    m_loading = loading;
    if (m_loading)
        setDown(false);
    if (m_indicator)
        m_indicator->setVisible(m_loading);
    if (m_ready)
        refreshState(false);
    updateGeometry();
    update();
}

void ButtonBase::updateSizePolicy()
{
    // A button whose title wraps cannot be fixed at its one-line height:
    // layouts would clamp the height they get from heightForWidth to it.
    QSizePolicy policy(m_fullWidth ? QSizePolicy::Expanding : QSizePolicy::Maximum,
                       hasHeightForWidth() ? QSizePolicy::Preferred : QSizePolicy::Fixed);
    policy.setHeightForWidth(hasHeightForWidth());
    setSizePolicy(policy);
}

void ButtonBase::paintFocusRing(QPainter &painter, const QRectF &rect, qreal radius,
                                const QColor &color) const
{
    if (!hasFocus() || !m_keyboardFocus)
        return;
    painter.save();
    painter.setOpacity(1.0);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(color, 2.0));
    painter.drawRoundedRect(rect.adjusted(2, 2, -2, -2), radius - 1, radius - 1);
    painter.restore();
}

bool ButtonBase::event(QEvent *event)
{
    if (m_loading) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            event->accept();
            return true;
        case QEvent::KeyPress:
        case QEvent::KeyRelease: {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter ||
                key == Qt::Key_Select) {
                event->accept();
                return true;
            }
            break;
        }
        default:
            break;
        }
    }
    if (Environment::isChange(event) || event->type() == QEvent::ParentChange) {
        updateGeometry();
        update();
    }
    return QAbstractButton::event(event);
}

void ButtonBase::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange && m_ready) {
        const bool ownChanged = isOwnEnabled() != m_lastOwnEnabled;
        m_lastOwnEnabled = isOwnEnabled();
        refreshState(ownChanged);
    }
    QAbstractButton::changeEvent(event);
}

void ButtonBase::focusInEvent(QFocusEvent *event)
{
    const Qt::FocusReason reason = event->reason();
    m_keyboardFocus = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                      reason == Qt::ShortcutFocusReason;
    QAbstractButton::focusInEvent(event);
}

void ButtonBase::focusOutEvent(QFocusEvent *event)
{
    m_keyboardFocus = false;
    QAbstractButton::focusOutEvent(event);
}

QString ButtonBase::fitted(const QString &text, int room) const
{
    const QFontMetrics fm(font());
    return fm.horizontalAdvance(text) <= room ? text
                                              : fm.elidedText(text, Qt::ElideRight, qMax(0, room));
}

void ButtonBase::resizeEvent(QResizeEvent *event)
{
    QAbstractButton::resizeEvent(event);
    if (m_indicator) {
        const QSize s = m_indicator->sizeHint();
        m_indicator->setGeometry(
            QRect(QPoint((width() - s.width()) / 2, (height() - s.height()) / 2), s));
    }
}

void ButtonBase::refreshState(bool animateLook)
{
    PointingHandCursor::setActive(this, isClickable());
    const qreal target = wantsEnabledLook() ? 1.0 : 0.0;
    if (animateLook)
        Motion::animate(this, "enabledLook", m_enabledLook, target, Motion::snappySpring());
    else
        Motion::animate(this, "enabledLook", target, target, MotionPreset{});
}

} // namespace halvex
