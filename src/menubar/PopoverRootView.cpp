#include "menubar/PopoverRootView.h"

#include <QAbstractAnimation>
#include <QEvent>
#include <QPainter>
#include <QPixmap>
#include <QStackedLayout>
#include <QVBoxLayout>

#include "menubar/PopoverDeleteConfirmOverlay.h"
#include "menubar/PopoverEditStreakView.h"
#include "menubar/PopoverEmptyStateView.h"
#include "menubar/PopoverFooter.h"
#include "menubar/PopoverListHeader.h"
#include "menubar/PopoverListView.h"
#include "menubar/PopoverNewStreakView.h"
#include "menubar/PopoverWindowController.h"
#include "engine/StreakEngine.h"
#include "ui/Color.h"
#include "ui/Environment.h"
#include "ui/KitLabel.h"
#include "ui/Motion.h"
#include "ui/Typography.h"

namespace halvex {

namespace {

// `widget` padded as the list screen's parts are.
QWidget *padded(QWidget *widget, int left, int top, int right, int bottom)
{
    auto *frame = new QWidget;
    auto *layout = new QVBoxLayout(frame);
    layout->setContentsMargins(left, top, right, bottom);
    layout->addWidget(widget);
    return frame;
}

} // namespace

// A picture of the screen that was left, laid over the new one while it fades.
class ScreenVeil final : public QWidget {
    Q_OBJECT
    Q_PROPERTY(qreal opacity READ opacity WRITE setOpacity)
public:
    ScreenVeil(QPixmap picture, QWidget *parent)
        : QWidget(parent)
        , m_picture(std::move(picture))
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

    qreal opacity() const { return m_opacity; }
    void setOpacity(qreal opacity)
    {
        m_opacity = opacity;
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setOpacity(m_opacity);
        p.drawPixmap(rect(), m_picture);
    }

private:
    QPixmap m_picture;
    qreal m_opacity = 1.0;
};

PopoverRootView::PopoverRootView(PersistenceController &persistence, StreakEngine &engine,
                                 MilestonePlanning &milestonePlanning,
                                 const platform::DesktopEntryIndex &applications,
                                 platform::TimerScheduler &scheduler, QWidget *parent)
    : QWidget(parent)
    , m_persistence(persistence)
    , m_engine(engine)
    , m_milestonePlanning(milestonePlanning)
    , m_applications(applications)
    , m_scheduler(scheduler)
    , m_screens(new QStackedLayout(this))
{
    setObjectName(QStringLiteral("popover.root"));
    setFixedSize(PopoverWindowController::contentSize);
    m_listScreen = buildListScreen();
    m_screens->addWidget(m_listScreen);
    connect(&engine, &StreakEngine::streaksChanged, this, &PopoverRootView::refreshList);
    // The minute tick moves day counts on. Queued: the engine announces
    // before its list changes.
    connect(&engine, &StreakEngine::objectWillChange, this, &PopoverRootView::refreshTotals,
            Qt::QueuedConnection);
    refreshList();
}

PopoverRootView::~PopoverRootView() = default;

QWidget *PopoverRootView::buildListScreen()
{
    auto *screen = new QWidget;
    auto *column = new QVBoxLayout(screen);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    // Filled by the permission banner once there is one.
    m_bannerSlot = new QWidget;
    m_bannerSlot->setObjectName(QStringLiteral("popover.bannerSlot"));
    auto *banner = new QVBoxLayout(m_bannerSlot);
    // Room below for the banner's shadow.
    banner->setContentsMargins(20, 12, 20, 6);
    m_bannerSlot->hide();
    column->addWidget(m_bannerSlot);

    m_header = new PopoverListHeader;
    connect(m_header, &PopoverListHeader::openStatsRequested, this,
            &PopoverRootView::openStatsRequested);
    connect(m_header, &PopoverListHeader::openSettingsRequested, this,
            &PopoverRootView::openSettingsRequested);
    connect(m_header, &PopoverListHeader::quitRequested, this, &PopoverRootView::quitRequested);
    column->addWidget(padded(m_header, 20, 12, 20, 0));

    m_totals = new KitLabel({}, Typography::caption11(), Color::inkMuted());
    m_totals->setObjectName(QStringLiteral("popover.totals"));
    m_totals->setContentsMargins(20, 8, 20, 0);
    column->addWidget(m_totals);

    auto *area = new QWidget;
    area->setObjectName(QStringLiteral("popover.list.area"));
    auto *areaColumn = new QVBoxLayout(area);
    areaColumn->setContentsMargins(0, 0, 0, 0);
    areaColumn->setSpacing(0);

    auto *empty = new PopoverEmptyStateView;
    connect(empty, &PopoverEmptyStateView::startFromSetRequested, this,
            [this](DomainPreset preset) { setRoute(PopoverRoute::newStreak(preset)); });
    m_emptyArea = new QWidget;
    auto *emptyColumn = new QVBoxLayout(m_emptyArea);
    emptyColumn->setContentsMargins(20, 0, 20, 0);
    emptyColumn->setSpacing(0);
    emptyColumn->addStretch(1);
    emptyColumn->addWidget(empty);
    emptyColumn->addStretch(1);
    areaColumn->addWidget(m_emptyArea, 1);

    m_list = new PopoverListView(m_engine, m_applications, m_scheduler);
    connect(m_list, &PopoverListView::editRequested, this,
            [this](const QUuid &id) { setRoute(PopoverRoute::edit(id)); });
    connect(m_list, &PopoverListView::deleteRequested, this,
            [this](const QUuid &id) { setPendingDeleteId(id); });
    m_listArea = new QWidget;
    auto *listColumn = new QVBoxLayout(m_listArea);
    listColumn->setContentsMargins(20, 6, 20, 0);
    listColumn->addWidget(m_list);
    areaColumn->addWidget(m_listArea, 1);
    column->addWidget(area, 1);

    m_footer = new PopoverFooter;
    connect(m_footer, &PopoverFooter::newStreakRequested, this,
            [this] { setRoute(PopoverRoute::newStreak()); });
    column->addWidget(padded(m_footer, 20, 8, 20, 20));
    return screen;
}

std::optional<QString> PopoverRootView::totalsText(const StreakEngine &engine)
{
    const auto &streaks = engine.streaks();
    if (streaks.size() < 2)
        return std::nullopt;
    qint64 days = 0;
    for (const auto &streak : streaks)
        days += engine.days(*streak); // paused ones too
    const QString count = QString::number(streaks.size());
    if (days == 1) {
        //% "1 clean day across %1 streaks"
        return qtTrId("popover.totals.summary.oneDay").arg(count);
    }
    //% "%1 clean days across %2 streaks"
    return qtTrId("popover.totals.summary").arg(QString::number(days), count);
}

void PopoverRootView::refreshTotals()
{
    const auto totals = totalsText(m_engine);
    m_totals->setText(totals.value_or(QString()));
    m_totals->setVisible(totals.has_value());
}

void PopoverRootView::refreshList()
{
    refreshTotals();
    const bool empty = m_engine.streaks().empty();
    m_emptyArea->setVisible(empty);
    m_listArea->setVisible(!empty);
    m_footer->setStreakCount(int(m_engine.streaks().size()));
    refreshDeleteOverlay();
}

QWidget *PopoverRootView::currentScreen() const
{
    return m_routeScreen ? m_routeScreen : m_listScreen;
}

void PopoverRootView::setRoute(const PopoverRoute &route, bool animated)
{
    if (route == m_route)
        return;
    QWidget *screen = nullptr;
    switch (route.kind()) {
    case PopoverRoute::Kind::list:
        break;
    case PopoverRoute::Kind::newStreak: {
        auto *view = new PopoverNewStreakView(m_persistence, m_engine, m_milestonePlanning,
                                              m_applications, route.preset());
        connect(view, &PopoverNewStreakView::dismissed, this,
                [this] { setRoute(PopoverRoute::list()); });
        screen = view;
        break;
    }
    case PopoverRoute::Kind::edit: {
        const QUuid id = route.streakId();
        auto *view = new PopoverEditStreakView(id, m_persistence, m_engine, m_applications);
        connect(view, &PopoverEditStreakView::dismissed, this,
                [this] { setRoute(PopoverRoute::list()); });
        connect(view, &PopoverEditStreakView::deleteRequested, this,
                [this, id] { setPendingDeleteId(id); });
        screen = view;
        break;
    }
    }

    const QPixmap previous = animated && isVisible() ? currentScreen()->grab() : QPixmap();
    if (m_routeScreen) {
        // The old screen may be the one whose button led here.
        m_screens->removeWidget(m_routeScreen);
        m_routeScreen->hide();
        m_routeScreen->deleteLater();
        m_routeScreen = nullptr;
    }
    m_route = route;
    if (screen) {
        m_routeScreen = screen;
        m_screens->addWidget(screen);
    }
    m_screens->setCurrentWidget(currentScreen());
    if (animated)
        fadeOut(previous);
    emit routeChanged();
}

void PopoverRootView::fadeOut(const QPixmap &previous)
{
    if (previous.isNull())
        return;
    // The leaving screen's picture fades out over the new one. An opacity
    // effect on the new screen itself drew its scroll areas from stale
    // pixels on X11, showing the old screen's rows under the new form.
    auto *veil = new ScreenVeil(previous, this);
    veil->setGeometry(rect());
    veil->show();
    veil->raise();
    QAbstractAnimation *animation =
        Motion::animate(veil, "opacity", 1.0, 0.0, Motion::snappySpring());
    if (!animation) {
        delete veil;
        return;
    }
    connect(animation, &QAbstractAnimation::finished, veil, &QObject::deleteLater);
}

void PopoverRootView::setPendingDeleteId(const std::optional<QUuid> &id)
{
    if (id == m_pendingDeleteId)
        return;
    m_pendingDeleteId = id;
    refreshDeleteOverlay();
    emit pendingDeleteIdChanged();
}

void PopoverRootView::refreshDeleteOverlay()
{
    std::shared_ptr<Streak> streak;
    if (m_pendingDeleteId) {
        for (const auto &s : m_engine.streaks()) {
            if (s->id() == *m_pendingDeleteId) {
                streak = s;
                break;
            }
        }
    }
    if (m_deleteOverlay && (!streak || m_deleteOverlay->streakId() != streak->id())) {
        // Its own button may have led here.
        m_deleteOverlay->hide();
        m_deleteOverlay->deleteLater();
        m_deleteOverlay = nullptr;
    }
    // A pending id that names no streak shows nothing and blocks nothing.
    if (!streak || m_deleteOverlay)
        return;
    const QUuid id = streak->id();
    m_deleteOverlay = new PopoverDeleteConfirmOverlay(id, m_engine.days(*streak), m_engine,
                                                      m_milestonePlanning, m_scheduler, this);
    connect(m_deleteOverlay, &PopoverDeleteConfirmOverlay::willDelete, this, [this, id] {
        if (m_route == PopoverRoute::edit(id))
            setRoute(PopoverRoute::list(), false);
    });
    connect(m_deleteOverlay, &PopoverDeleteConfirmOverlay::dismissed, this,
            [this] { setPendingDeleteId(std::nullopt); });
    m_deleteOverlay->setGeometry(rect());
    m_deleteOverlay->show();
    m_deleteOverlay->raise();
}

void PopoverRootView::setPermissionBanner(QWidget *banner)
{
    QLayout *slot = m_bannerSlot->layout();
    while (QLayoutItem *item = slot->takeAt(0)) {
        if (QWidget *old = item->widget())
            old->deleteLater();
        delete item;
    }
    if (banner) {
        slot->addWidget(banner);
        banner->installEventFilter(this);
    }
    m_bannerSlot->setVisible(banner && !banner->isHidden());
}

bool PopoverRootView::eventFilter(QObject *watched, QEvent *event)
{
    if ((event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent) &&
        watched->parent() == m_bannerSlot)
        m_bannerSlot->setVisible(event->type() == QEvent::ShowToParent);
    return QWidget::eventFilter(watched, event);
}

void PopoverRootView::paintEvent(QPaintEvent *)
{
    QPainter(this).fillRect(rect(), Color::background().resolve(this));
}

void PopoverRootView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        refreshList();
    QWidget::changeEvent(event);
}

bool PopoverRootView::event(QEvent *event)
{
    if (Environment::isChange(event))
        update();
    return QWidget::event(event);
}

} // namespace halvex

#include "PopoverRootView.moc"
