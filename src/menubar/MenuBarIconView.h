#pragma once

#include <memory>

#include <QIcon>
#include <QImage>
#include <QPointer>

#include "model/AppSettings.h"
#include "platform/TimerScheduler.h"

class QSystemTrayIcon;

namespace halvex {

// Draws the status item's image on its tray icon and plays the icon's two
// red states: a short pulse when a trigger passes through the engine and a
// longer "breaking" state when a streak is reset. The mark is our own
// one-colour drawing, inked for the desktop's light or dark panels; its red
// frame is the same drawing with its opaque pixels turned red. The icon
// stays red while either state is pending: the last to end brings the mark
// back, so a pulse never cuts a break short. Main thread only.
class MenuBarIconView final {
public:
    enum class Frame { mark, red };

    static constexpr double pulseSeconds = 0.8;
    static constexpr double breakingSeconds = 3.0;
    // The square sizes, in pixels, each frame is drawn at for the tray.
    static constexpr int frameSizes[] = {16, 22, 24, 32, 44, 48, 64};

    // Shows the mark on `button`.
    MenuBarIconView(QSystemTrayIcon *button, platform::TimerScheduler &scheduler,
                    Appearance appearance = Appearance::light);
    ~MenuBarIconView();
    MenuBarIconView(const MenuBarIconView &) = delete;
    MenuBarIconView &operator=(const MenuBarIconView &) = delete;

    // Back to the idle look at once: both red states end.
    void showMark();
    // Red for pulseSeconds after the latest pulse.
    void pulse();
    // Red for breakingSeconds after the latest break.
    void showBreaking();
    // Ends both red states without touching the image.
    void resetAnimations();

    // The desktop's appearance the mark is inked for.
    void setAppearance(Appearance appearance);
    Appearance appearance() const { return m_appearance; }

    Frame frame() const { return m_frame; }
    bool isPulsing() const { return bool(m_pulseTask); }
    bool isBreaking() const { return bool(m_breakingTask); }

    // One frame at every size of frameSizes; built once and kept. Null when
    // the mark's drawing is missing.
    static const QIcon &icon(Frame frame, Appearance appearance);
    // One frame as a square image of `size` pixels.
    static QImage image(Frame frame, Appearance appearance, int size);

private:
    void setFrame(Frame frame);
    // A red state ended: the mark comes back unless the other one is pending.
    void redStateEnded();

    QPointer<QSystemTrayIcon> m_button;
    platform::TimerScheduler &m_scheduler;
    Appearance m_appearance;
    Frame m_frame = Frame::mark;
    std::shared_ptr<platform::ScheduledTimer> m_pulseTask;
    std::shared_ptr<platform::ScheduledTimer> m_breakingTask;
};

} // namespace halvex
