#include "HalvexSteps.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QTest>
#include <QUuid>

#include "menubar/PopoverWindowController.h"
#include "model/AppSettings.h"
#include "model/ModelContext.h"
#include "model/PersistenceController.h"
#include "model/Streak.h"

using namespace halvex;

namespace testing::halvexSteps {

namespace {

// How long a click on the icon is given to map the popover before another.
constexpr int clickAnswerMs = 5000;

// A home past onboarding with the one streak, in the theme given by its raw
// value or the default.
bool writeHome(const QString &home, const QString &language, std::shared_ptr<Streak> streak,
               const QString &theme = {})
{
    PersistenceController store(false, {home + QStringLiteral("/.local/share"), home, {}});
    if (store.degraded())
        return false;
    ModelContext &context = store.mainContext();
    const auto settings = AppSettings::fetchOrCreate(context);
    settings->setFirstLaunchCompleted(true);
    if (!language.isEmpty())
        settings->setLanguageRaw(language);
    if (!theme.isEmpty())
        settings->setThemeRaw(theme);
    context.insert(std::move(streak));
    return context.save().hasValue();
}

} // namespace

bool writeHomePastOnboarding(const QString &home, const QString &language,
                             const QStringList &domains, const QString &theme)
{
    return writeHome(home, language,
                     std::make_shared<Streak>(QUuid::createUuid(), QStringLiteral("Feeds"),
                                              StreakType::site, StrictnessMode::gentle, domains,
                                              QStringList{}, QStringList{},
                                              QDateTime::currentDateTimeUtc().addDays(-3)),
                     theme);
}

bool writeHomeBlockingApplication(const QString &home, const QString &applicationId)
{
    return writeHome(home, {},
                     std::make_shared<Streak>(
                         QUuid::createUuid(), QStringLiteral("Distraction"), StreakType::app,
                         StrictnessMode::gentle, QStringList{}, QStringList{},
                         QStringList{applicationId}, QDateTime::currentDateTimeUtc().addDays(-3)));
}

bool press(const DesktopHarness &desktop, const QString &keys)
{
    return desktop
        .runTool(QStringLiteral("xdotool"),
                 QStringList{QStringLiteral("key")} + keys.split(u' ', Qt::SkipEmptyParts))
        .has_value();
}

QString screenshotOnceSettled(const DesktopHarness &desktop, const QString &name, int settledGrabs,
                              int timeoutMs)
{
    QImage last;
    int alike = 0;
    const bool settled = QTest::qWaitFor(
        [&] {
            QImage now = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
            alike = now == last ? alike + 1 : 0;
            last = std::move(now);
            return alike >= settledGrabs;
        },
        timeoutMs);
    if (!settled)
        qWarning("the screen kept changing before the picture %s", qPrintable(name));
    return desktop.screenshot(name);
}

bool clickOn(const DesktopHarness &desktop, AccessibleUi &ui, const AccessibleUi::Match &match,
             int timeoutMs, qreal scale)
{
    const auto inPixels = [scale](const QRect &logical) {
        return QRect(logical.topLeft() * scale, logical.size() * scale);
    };
    QRect box;
    const bool ready = QTest::qWaitFor(
        [&] {
            const std::optional<AccessibleUi::Element> element = ui.find(match);
            if (!element || !ui.isEnabled(*element))
                return false;
            const QRect whole = ui.extents(*element);
            if (ui.visibleExtents(*element) != whole) {
                if (const auto area = ui.clippingAncestor(*element)) {
                    const QRect shown = ui.visibleExtents(*area);
                    scroll(desktop, inPixels(shown), whole.center().y() > shown.center().y());
                }
                box = {};
                return false;
            }
            const QRect before = std::exchange(box, whole);
            return !box.isEmpty() && box == before;
        },
        timeoutMs);
    return ready && desktop.click(inPixels(box).center());
}

void scroll(const DesktopHarness &desktop, const QRect &area, bool down)
{
    const QPoint at = area.center();
    desktop.runTool(QStringLiteral("xdotool"),
                    {QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()),
                     QStringLiteral("click"), down ? QStringLiteral("5") : QStringLiteral("4")});
}

bool popoverIsOpen(const DesktopHarness &desktop, qint64 processIdentifier)
{
    return desktop
        .findWindow(
            {.processIdentifier = processIdentifier, .size = PopoverWindowController::contentSize})
        .has_value();
}

bool openPopover(const DesktopHarness &desktop, AccessibleUi &ui, qint64 processIdentifier,
                 const QPoint &iconCentre, const QString &quitName, int timeoutMs)
{
    const AccessibleUi::Match quit{.role = QStringLiteral("push button"), .name = quitName};
    const auto isOpen = [&] { return popoverIsOpen(desktop, processIdentifier); };
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        if (!isOpen()) {
            if (!desktop.click(iconCentre))
                return false;
            (void)QTest::qWaitFor(isOpen, clickAnswerMs);
            continue;
        }
        // Open: readable once the accessibility bus has caught up, unless it closes again.
        if (QTest::qWaitFor([&] { return !isOpen() || ui.find(quit); },
                            int(deadline.remainingTime())) &&
            isOpen())
            return true;
    }
    return false;
}

} // namespace testing::halvexSteps
