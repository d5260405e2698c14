#include "kit/WindowPlacement.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QLayout>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include "platform/UserDefaults.h"

namespace fennimar {

namespace {

qint64 area(const QRect &r)
{
    return r.isEmpty() ? 0 : qint64(r.width()) * r.height();
}

QList<QRect> screenFrames()
{
    QList<QRect> frames;
    for (const QScreen *screen : QGuiApplication::screens())
        frames << screen->geometry();
    return frames;
}

void layOut(QWidget *window)
{
    window->ensurePolished();
    if (QLayout *layout = window->layout())
        layout->activate();
}

void centreOn(QWidget *window, const QRect &area)
{
    window->move(WindowPlacement::centredOrigin(window->frameGeometry().size(), area));
}

// Follows one resize of a window, then removes itself. The deadline removes
// it too when no resize came in time, so whichever comes first ends it.
class OneShotObserver final : public QObject {
public:
    OneShotObserver(QWidget *window, std::optional<QRect> area)
        : QObject(window)
        , m_area(area)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Resize && watched == parent()) {
            auto *window = static_cast<QWidget *>(watched);
            window->removeEventFilter(this);
            if (m_area)
                centreOn(window, *m_area);
            deleteLater();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::optional<QRect> m_area;
};

// Remembers a window's frame under its autosave name as it moves and resizes.
class FrameAutosave final : public QObject {
public:
    FrameAutosave(QWidget *window, QString key, platform::UserDefaults &defaults)
        : QObject(window)
        , m_key(std::move(key))
        , m_defaults(defaults)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == parent() &&
            (event->type() == QEvent::Move || event->type() == QEvent::Resize)) {
            const auto *window = static_cast<QWidget *>(watched);
            m_defaults.setValue(m_key, QString::fromLatin1(window->saveGeometry().toBase64()));
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QString m_key;
    platform::UserDefaults &m_defaults;
};

} // namespace

std::optional<int> WindowPlacement::dominantIndex(const QRect &frame, const QList<QRect> &screens)
{
    std::optional<int> best;
    qint64 bestArea = 0;
    for (int i = 0; i < screens.size(); ++i) {
        const qint64 a = area(frame.intersected(screens[i]));
        if (a > bestArea) {
            best = i;
            bestArea = a;
        }
    }
    return best;
}

QPoint WindowPlacement::centredOrigin(const QSize &size, const QRect &area)
{
    const QPointF centre = QRectF(area).center();
    return QPoint(qRound(centre.x() - size.width() / 2.0),
                  qRound(centre.y() - size.height() / 2.0));
}

QScreen *WindowPlacement::activeScreen(const QWidget *window)
{
    // Qt has one notion of the focused window where others have key and main.
    const QWidget *active = QApplication::activeWindow();
    if (active && active != window && active->screen())
        return active->screen();
    return screenUnderMouse();
}

QScreen *WindowPlacement::screenUnderMouse()
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    const QPoint mouse = QCursor::pos();
    for (QScreen *screen : screens) {
        if (screen->geometry().contains(mouse))
            return screen;
    }
    if (QScreen *primary = QGuiApplication::primaryScreen())
        return primary;
    return screens.isEmpty() ? nullptr : screens.first();
}

QScreen *WindowPlacement::dominantScreen(const QWidget *window)
{
    const auto index = dominantIndex(window->frameGeometry(), screenFrames());
    return index ? QGuiApplication::screens().at(*index) : window->screen();
}

void WindowPlacement::centerOnActiveScreen(QWidget *window, const Deadline &deadline)
{
    layOut(window);
    std::optional<QRect> area;
    if (QScreen *screen = activeScreen(window)) {
        area = screen->availableGeometry();
        centreOn(window, *area);
    }
    // The same area again, not the active screen of the moment: the window
    // should not chase the focus while it settles.
    QPointer<QObject> observer = new OneShotObserver(window, area);
    const auto timeout = [observer] {
        if (observer) {
            static_cast<QWidget *>(observer->parent())->removeEventFilter(observer);
            observer->deleteLater();
        }
    };
    if (deadline)
        deadline(observer, timeout);
    else
        QTimer::singleShot(recentreWindowMs, observer, timeout);
}

void WindowPlacement::moveToActiveScreen(QWidget *window)
{
    QScreen *active = activeScreen(window);
    if (!active)
        return;
    const QScreen *dominant = dominantScreen(window);
    if (dominant && dominant->geometry() == active->geometry())
        return;
    centreOn(window, active->availableGeometry());
}

void WindowPlacement::centerOnMouseScreen(QWidget *window)
{
    layOut(window);
    if (QScreen *screen = screenUnderMouse())
        centreOn(window, screen->availableGeometry());
}

QString WindowPlacement::frameKey(const QString &autosaveName)
{
    return QStringLiteral("fennimarkit.windowFrame.") + autosaveName;
}

void WindowPlacement::restoreFrame(QWidget *window, const QString &autosaveName,
                                   const QSize &contentSize)
{
    restoreFrame(window, autosaveName, contentSize, platform::UserDefaults::standard());
}

void WindowPlacement::restoreFrame(QWidget *window, const QString &autosaveName,
                                   const QSize &contentSize, platform::UserDefaults &defaults)
{
    const QString key = frameKey(autosaveName);
    const std::optional<QString> saved = defaults.stringValue(key);
    if (saved && window->restoreGeometry(QByteArray::fromBase64(saved->toLatin1()))) {
        moveToActiveScreen(window);
    } else {
        window->resize(contentSize);
        centerOnActiveScreen(window);
    }
    new FrameAutosave(window, key, defaults);
}

} // namespace fennimar
