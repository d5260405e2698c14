#include "kit/WindowPlacement.h"

#include <algorithm>
#include <cmath>

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QLayout>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QVariant>
#include <QWidget>
#include <QWindow>

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

bool isFrameless(const QWidget *window)
{
    const Qt::WindowType type = window->windowType();
    return window->windowFlags().testFlag(Qt::FramelessWindowHint) || type == Qt::Popup ||
           type == Qt::ToolTip || type == Qt::SplashScreen;
}

// The frame the window manager drew around the last window of ours, at
// the device pixel ratio of the screen it was on.
struct LearntFrame {
    QMargins margins;
    qreal ratio = 1;
};

std::optional<LearntFrame> &learntFrame()
{
    static std::optional<LearntFrame> learnt;
    return learnt;
}

// What the window manager has drawn around the window itself, if it has yet.
std::optional<LearntFrame> ownFrame(const QWidget *window)
{
    const QWindow *handle = window->windowHandle();
    if (!handle || isFrameless(window))
        return std::nullopt;
    const QMargins margins = handle->frameMargins();
    if (margins.isNull())
        return std::nullopt;
    LearntFrame own{margins, handle->devicePixelRatio()};
    learntFrame() = own;
    return own;
}

int scaledUp(int value, qreal factor)
{
    return int(std::ceil(value * factor - 0.01));
}

QMargins onScreen(const LearntFrame &frame, const QScreen *screen)
{
    const qreal ratio = screen ? screen->devicePixelRatio() : frame.ratio;
    QMargins margins = frame.margins;
    if (!qFuzzyCompare(ratio, frame.ratio)) {
        const qreal factor = frame.ratio / ratio;
        margins = QMargins(scaledUp(margins.left(), factor), scaledUp(margins.top(), factor),
                           scaledUp(margins.right(), factor), scaledUp(margins.bottom(), factor));
    }
    // Qt rounds the frame to whole logical pixels, which at a fractional
    // scale may fall part of a device pixel short of it.
    if (!qFuzzyCompare(ratio, std::round(ratio))) {
        const auto wider = [](int side) { return side > 0 ? side + 1 : 0; };
        margins = QMargins(wider(margins.left()), wider(margins.top()), wider(margins.right()),
                           wider(margins.bottom()));
    }
    return margins;
}

// Set on a window whose geometry was restored, until it is moved: Qt puts
// the window manager's frame of a moved window at its position, but the
// content of one given a geometry.
const char *const contentPlaced = "fennimar.contentPlaced";

// The frame the window has, or is to have once it is mapped.
QRect frameOf(const QWidget *window, const QMargins &margins)
{
    if (!window->testAttribute(Qt::WA_Mapped) && window->property(contentPlaced).toBool())
        return window->geometry().marginsAdded(margins);
    return QRect(window->pos(), window->size().grownBy(margins));
}

// Gives the window the frame: its content the frame less the margins.
void apply(QWidget *window, const QRect &frame, const QMargins &margins)
{
    const QPoint origin = frameOf(window, margins).topLeft();
    const QSize content = frame.size().shrunkBy(margins);
    if (window->size() != content)
        window->resize(content);
    if (origin != frame.topLeft()) {
        window->move(frame.topLeft());
        window->setProperty(contentPlaced, QVariant());
    }
}

enum class Placement { centred, kept };

QScreen *screenOfArea(const QRect &area)
{
    for (QScreen *screen : QGuiApplication::screens()) {
        if (screen->availableGeometry() == area)
            return screen;
    }
    return nullptr;
}

void place(QWidget *window, Placement placement, const QRect &area)
{
    const QMargins margins = WindowPlacement::frameMargins(window, screenOfArea(area));
    const QSize minimum = window->minimumSize();
    if (placement == Placement::centred) {
        apply(window, WindowPlacement::centredFrame(window->size(), margins, minimum, area),
              margins);
    } else {
        apply(window,
              WindowPlacement::fittedFrame(frameOf(window, margins), margins, minimum, area),
              margins);
    }
}

// Keeps a window where it was placed while it settles, then removes
// itself: the first resize within the re-centre window (when asked)
// centres it again, and once the window manager has decorated it, a frame
// other than the one assumed places it again. Always in the area found
// first, not the active screen of the moment: the window should not chase
// the focus while it settles.
class Settling final : public QObject {
public:
    Settling(QWidget *window, Placement placement, QRect area, bool followsFirstResize)
        : QObject(window)
        , m_placement(placement)
        , m_area(area)
        , m_followsFirstResize(followsFirstResize)
        , m_assumed(WindowPlacement::frameMargins(window, screenOfArea(area)))
        , m_awaitsFrame(!isFrameless(window))
    {
        window->installEventFilter(this);
        if (window->isVisible())
            watchHandle();
    }

    Placement placement() const { return m_placement; }
    const QRect &area() const { return m_area; }

    // The re-centre window has passed.
    void stopFollowingResizes()
    {
        m_followsFirstResize = false;
        finishIfSettled();
    }

    void dismiss()
    {
        if (!parent())
            return;
        parent()->removeEventFilter(this);
        if (m_handle)
            m_handle->removeEventFilter(this);
        // Out of the window's children at once: a placement made before it
        // goes must not find it.
        setParent(nullptr);
        deleteLater();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *window = static_cast<QWidget *>(parent());
        if (watched == window) {
            if (event->type() == QEvent::Show) {
                watchHandle();
            } else if (event->type() == QEvent::Resize && m_followsFirstResize && !m_placing) {
                m_followsFirstResize = false;
                placeAgain(Placement::centred);
                finishIfSettled();
            }
        } else if (watched == m_handle && event->type() == QEvent::Expose &&
                   m_handle->isExposed() && m_awaitsFrame) {
            m_awaitsFrame = false;
            if (ownFrame(window) &&
                WindowPlacement::frameMargins(window, screenOfArea(m_area)) != m_assumed)
                placeAgain(m_placement);
            finishIfSettled();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void placeAgain(Placement placement)
    {
        m_placing = true;
        place(static_cast<QWidget *>(parent()), placement, m_area);
        m_placing = false;
    }

    void watchHandle()
    {
        QWindow *handle = static_cast<QWidget *>(parent())->windowHandle();
        if (!handle || handle == m_handle)
            return;
        if (m_handle)
            m_handle->removeEventFilter(this);
        m_handle = handle;
        m_handle->installEventFilter(this);
    }

    void finishIfSettled()
    {
        if (!m_followsFirstResize && !m_awaitsFrame)
            dismiss();
    }

    Placement m_placement;
    QRect m_area;
    bool m_followsFirstResize;
    QMargins m_assumed;
    bool m_awaitsFrame;
    bool m_placing = false;
    QPointer<QWindow> m_handle;
};

// Places the window and has it settle there. A window already settling in
// the same area keeps what it follows, so a second look at a window just
// centred does not forget its first resize.
Settling *placeAndSettle(QWidget *window, Placement placement, const QRect &area,
                         bool followsFirstResize)
{
    place(window, placement, area);
    Settling *settling = nullptr;
    const QObjectList children = window->children();
    for (QObject *child : children) {
        // Not a QObject of its own kind: qobject_cast would take any child.
        auto *existing = dynamic_cast<Settling *>(child);
        if (!existing)
            continue;
        if (!settling && !followsFirstResize && existing->area() == area) {
            settling = existing;
            continue;
        }
        // A new placement replaces what an earlier one would have redone.
        existing->dismiss();
    }
    if (settling)
        return settling;
    // A window whose frame is known has nothing left to settle but its size.
    if (!followsFirstResize && (isFrameless(window) || ownFrame(window)))
        return nullptr;
    return new Settling(window, placement, area, followsFirstResize);
}

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

QRect WindowPlacement::fittedFrame(const QRect &frame, const QMargins &margins,
                                   const QSize &minimum, const QRect &area)
{
    const QSize room = area.size().shrunkBy(margins);
    const QSize content =
        frame.size().shrunkBy(margins).boundedTo(room).expandedTo(minimum).expandedTo({0, 0});
    QRect fitted(frame.topLeft(), content.grownBy(margins));
    // Along each axis: inside when it fits, else from the area's start.
    const auto into = [](int start, int length, int areaStart, int areaLength) {
        return length >= areaLength ? areaStart
                                    : std::clamp(start, areaStart, areaStart + areaLength - length);
    };
    fitted.moveTo(into(fitted.x(), fitted.width(), area.x(), area.width()),
                  into(fitted.y(), fitted.height(), area.y(), area.height()));
    return fitted;
}

QRect WindowPlacement::centredFrame(const QSize &contentSize, const QMargins &margins,
                                    const QSize &minimum, const QRect &area)
{
    const QRect sized =
        fittedFrame(QRect(area.topLeft(), contentSize.grownBy(margins)), margins, minimum, area);
    return fittedFrame(QRect(centredOrigin(sized.size(), area), sized.size()), margins, minimum,
                       area);
}

QMargins WindowPlacement::frameMargins(const QWidget *window, const QScreen *screen)
{
    if (isFrameless(window))
        return {};
    if (const auto own = ownFrame(window))
        return onScreen(*own, screen);
    if (const auto &learnt = learntFrame())
        return onScreen(*learnt, screen);
    return {};
}

void WindowPlacement::centerOnActiveScreen(QWidget *window, const Deadline &deadline)
{
    layOut(window);
    QScreen *screen = activeScreen(window);
    if (!screen)
        return;
    QPointer<Settling> settling =
        placeAndSettle(window, Placement::centred, screen->availableGeometry(), true);
    const auto timeout = [settling] {
        if (settling)
            settling->stopFollowingResizes();
    };
    if (deadline)
        deadline(settling, timeout);
    else
        QTimer::singleShot(recentreWindowMs, settling, timeout);
}

void WindowPlacement::moveToActiveScreen(QWidget *window)
{
    QScreen *active = activeScreen(window);
    if (!active)
        return;
    const QScreen *dominant = dominantScreen(window);
    const bool there = dominant && dominant->geometry() == active->geometry();
    placeAndSettle(window, there ? Placement::kept : Placement::centred,
                   active->availableGeometry(), false);
}

void WindowPlacement::centerOnMouseScreen(QWidget *window)
{
    layOut(window);
    if (QScreen *screen = screenUnderMouse())
        placeAndSettle(window, Placement::centred, screen->availableGeometry(), false);
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
        window->setProperty(contentPlaced, true);
        moveToActiveScreen(window);
    } else {
        window->resize(contentSize);
        centerOnActiveScreen(window);
    }
    new FrameAutosave(window, key, defaults);
}

} // namespace fennimar
