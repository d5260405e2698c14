#include "menubar/MenuBarIconView.h"

#include <array>
#include <optional>

#include <QPainter>
#include <QSvgRenderer>
#include <QSystemTrayIcon>

#include "ui/Color.h"

namespace halvex {

namespace {

const QString markPath = QStringLiteral(":/halvex/brand/MenuBarIcon.svg");

} // namespace

MenuBarIconView::MenuBarIconView(QSystemTrayIcon *button, platform::TimerScheduler &scheduler,
                                 Appearance appearance)
    : m_button(button)
    , m_scheduler(scheduler)
    , m_appearance(appearance)
{
    showMark();
}

MenuBarIconView::~MenuBarIconView()
{
    resetAnimations();
}

void MenuBarIconView::showMark()
{
    resetAnimations();
    setFrame(Frame::mark);
}

void MenuBarIconView::pulse()
{
    if (m_pulseTask)
        m_pulseTask->invalidate();
    setFrame(Frame::red);
    // The timers end with this object (resetAnimations), so `this` outlives them.
    m_pulseTask = m_scheduler.scheduleOnce(pulseSeconds, [this] {
        m_pulseTask.reset();
        redStateEnded();
    });
}

void MenuBarIconView::showBreaking()
{
    if (m_breakingTask)
        m_breakingTask->invalidate();
    setFrame(Frame::red);
    m_breakingTask = m_scheduler.scheduleOnce(breakingSeconds, [this] {
        m_breakingTask.reset();
        redStateEnded();
    });
}

void MenuBarIconView::resetAnimations()
{
    for (auto *task : {&m_pulseTask, &m_breakingTask}) {
        if (*task)
            (*task)->invalidate();
        task->reset();
    }
}

void MenuBarIconView::redStateEnded()
{
    if (!m_pulseTask && !m_breakingTask)
        setFrame(Frame::mark);
}

void MenuBarIconView::setAppearance(Appearance appearance)
{
    if (appearance == m_appearance)
        return;
    m_appearance = appearance;
    setFrame(m_frame);
}

void MenuBarIconView::setFrame(Frame frame)
{
    m_frame = frame;
    if (m_button)
        m_button->setIcon(icon(frame, m_appearance));
}

const QIcon &MenuBarIconView::icon(Frame frame, Appearance appearance)
{
    static std::array<std::optional<QIcon>, 4> built;
    auto &slot = built[std::size_t(frame) * 2 + std::size_t(appearance)];
    if (!slot) {
        QIcon icon;
        for (const int size : frameSizes) {
            const QImage drawn = image(frame, appearance, size);
            if (drawn.isNull())
                break;
            icon.addPixmap(QPixmap::fromImage(drawn));
        }
        slot = icon;
    }
    return *slot;
}

QImage MenuBarIconView::image(Frame frame, Appearance appearance, int size)
{
    QSvgRenderer mark(markPath);
    if (!mark.isValid())
        return {};
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    mark.render(&painter, QRectF(0, 0, size, size));
    // Ink only where the drawing is: its coverage stays, its colour goes.
    painter.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    const ThemeColor &ink = frame == Frame::red ? Color::destructive() : Color::ink();
    painter.fillRect(image.rect(), ink.resolve(appearance));
    return image;
}

} // namespace halvex
