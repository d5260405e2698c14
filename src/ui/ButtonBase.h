#pragma once

#include <functional>

#include <QAbstractButton>

namespace halvex {

class ActivityIndicator;

// What the shared buttons have in common: the action run on a click, the
// optional loading state (an indicator instead of the title; clicks and
// activation keys refused meanwhile), full width, the vertical padding read
// from the environment, the pointing hand while clickable, and the enabled
// look, which eases with the snappy spring when the button's own enabled
// flag changes and jumps otherwise.
//
// The button's own flag is Qt's explicit one (setEnabled on the button);
// isEnabled() is also false while any ancestor is disabled.
class ButtonBase : public QAbstractButton {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ButtonBase)
    Q_PROPERTY(qreal enabledLook READ enabledLook WRITE setEnabledLook)
public:
    using Action = std::function<void()>;

    const Action &action() const { return m_action; }
    void setAction(Action action) { m_action = std::move(action); }

    bool isLoading() const { return m_loading; }
    bool isFullWidth() const { return m_fullWidth; }
    void setFullWidth(bool fullWidth);

    // The enabled flag of this button alone, ignoring its ancestors.
    bool isOwnEnabled() const { return !testAttribute(Qt::WA_ForceDisabled); }
    // Whether a click would run the action now.
    bool isClickable() const { return isEnabled() && !m_loading; }

    qreal verticalPadding() const;

    // 1 for the enabled look, 0 for the disabled one; in between while easing.
    qreal enabledLook() const { return m_enabledLook; }
    void setEnabledLook(qreal look);

    ActivityIndicator *activityIndicator() const { return m_indicator; }

protected:
    ButtonBase(const QString &title, Action action, QWidget *parent);
    ~ButtonBase() override;
    // Each subclass calls this last in its constructor, once it can answer
    // wantsEnabledLook(): sets the initial flag without easing.
    void finishSetup(bool isEnabled);

    // Whether the button should look enabled now (which flag it follows).
    virtual bool wantsEnabledLook() const = 0;
    // The opacity of the loading indicator at the current enabled look.
    virtual qreal indicatorOpacity() const { return 1.0; }
    // Makes the button able to load, with an indicator in `tint`.
    void enableLoading(const class ThemeColor &tint);
    void setLoadingState(bool loading);
    void updateSizePolicy();
    // Draws the ring only while focus came from the keyboard, so a window
    // that opens with its first button focused shows no ring.
    void paintFocusRing(QPainter &painter, const QRectF &rect, qreal radius,
                        const QColor &color) const;
    // `text` cut with an ellipsis only when it does not fit `room`.
    QString fitted(const QString &text, int room) const;

    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void refreshState(bool animateLook);

    Action m_action;
    bool m_ready = false;
    bool m_loading = false;
    bool m_fullWidth = false;
    bool m_lastOwnEnabled = true;
    bool m_keyboardFocus = false;
    qreal m_enabledLook = 1.0;
    ActivityIndicator *m_indicator = nullptr;
};

} // namespace halvex
