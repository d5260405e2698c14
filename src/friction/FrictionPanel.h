#pragma once

#include <QImage>
#include <QPointer>
#include <QWidget>

namespace halvex {

// The borderless window that holds the friction card, above every other
// window and above the overlays, taking the keyboard focus. Where the card's
// rounded corners leave room it draws the overlay's backdrop that lies
// beneath it, so it looks right with or without a compositor.
class FrictionPanel final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FrictionPanel)
public:
    static constexpr QSize panelSize{520, 420};

    explicit FrictionPanel(QWidget *parent = nullptr);
    ~FrictionPanel() override;

    // Hosts `content` (the panel takes it) at the panel's full size.
    void setContent(QWidget *content);
    QWidget *content() const { return m_content; }

    // The backdrop of the screen the panel is on, with that screen's frame.
    void setBackdrop(const QImage &backdrop, const QRect &screenFrame);

signals:
    // The window went away (hidden by a caller, or `destroyed`): whatever
    // was shown with it must go too.
    void windowGone(bool destroyed);

protected:
    void paintEvent(QPaintEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QPointer<QWidget> m_content;
    QImage m_backdrop;
    QRect m_screenFrame;
};

} // namespace halvex
