#include "menubar/StreakManagerRow.h"

#include <cmath>

#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QMenu>
#include <QPainter>
#include <QVBoxLayout>

#include "editor/ModeChip.h"
#include "menubar/ClampedLabel.h"
#include "menubar/StreakRowProgressLine.h"
#include "platform/TimerScheduler.h"
#include "ui/Color.h"
#include "ui/Environment.h"
#include "ui/KitLabel.h"
#include "ui/PointingHandCursor.h"
#include "ui/SecondaryButton.h"
#include "ui/Symbol.h"
#include "ui/SymbolButton.h"
#include "ui/Typography.h"

namespace halvex {

namespace {

constexpr int iconFrame = 24;
constexpr qreal numeralSize = 26.0;
constexpr qreal numeralMinimumScale = 0.6;

// The day count in a fixed-width column: it shrinks (to 0.6 of its size at
// most) rather than widening the column, and is cut beyond that.
class DaysNumeral final : public QWidget {
public:
    DaysNumeral(qint64 days, QWidget *parent)
        : QWidget(parent)
        , m_text(QString::number(days))
        , m_font(systemFont(numeralSize, FontWeight::bold, FontDesign::rounded))
    {
        setFixedSize(StreakManagerRow::daysColumnWidth, QFontMetrics(m_font).height());
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    void setColor(const ThemeColor &color)
    {
        m_color = color;
        update();
    }
    // The font the number is drawn in at the column's width.
    QFont fittedFont() const
    {
        QFont font = m_font;
        const int natural = QFontMetrics(m_font).horizontalAdvance(m_text);
        if (natural > width()) {
            const qreal scale = qMax(numeralMinimumScale, qreal(width()) / natural);
            font.setPixelSize(qMax(1, int(std::floor(numeralSize * scale))));
        }
        return font;
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::TextAntialiasing);
        const QFont font = fittedFont();
        p.setFont(font);
        p.setPen(m_color.resolve(this));
        p.drawText(rect(), Qt::AlignCenter,
                   QFontMetrics(font).elidedText(m_text, Qt::ElideRight, width()));
    }
    bool event(QEvent *event) override
    {
        if (Environment::isChange(event))
            update();
        return QWidget::event(event);
    }

private:
    QString m_text;
    QFont m_font;
    ThemeColor m_color = Color::ink();
};

// The name as a button that edits the streak: up to two lines, cut at the
// end, and the whole rectangle takes the click.
class NameButton final : public QAbstractButton {
public:
    NameButton(ClampedLabel *label, QWidget *parent)
        : QAbstractButton(parent)
        , m_label(label)
    {
        label->setParent(this);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        auto *layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(label);
        QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
        policy.setHeightForWidth(true);
        setSizePolicy(policy);
        setFocusPolicy(Qt::TabFocus);
        HoverPointingHandCursor::apply(this);
    }
    QSize sizeHint() const override { return m_label->sizeHint(); }
    QSize minimumSizeHint() const override { return m_label->minimumSizeHint(); }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override { return m_label->heightForWidth(width); }

protected:
    void paintEvent(QPaintEvent *) override {}
    bool hitButton(const QPoint &pos) const override { return rect().contains(pos); }

private:
    ClampedLabel *m_label;
};

// The kind, the mode chip and the active hours: on one line when all three
// fit uncut, otherwise the kind (cut in the middle) and the chip on the
// first line and the hours on a line of their own.
class RowSubtitle final : public QWidget {
public:
    RowSubtitle(const QString &kind, StrictnessMode mode, const std::optional<QString> &hours,
                QWidget *parent)
        : QWidget(parent)
        , m_kind(kind.isEmpty() ? nullptr
                                : new ClampedLabel(kind, Typography::caption11(), Color::inkMuted(),
                                                   1, Qt::ElideMiddle, this))
        , m_chip(new ModeChip(mode, 8, this))
        , m_hours(hours ? new KitLabel(*hours, Typography::caption11(), Color::inkMuted(), this)
                        : nullptr)
    {
        setObjectName(QStringLiteral("popover.list.row.subtitle"));
        QStringList parts;
        if (m_kind)
            parts << kind;
        parts << m_chip->text();
        if (m_hours)
            parts << *hours;
        setAccessibleName(parts.join(QStringLiteral(", ")));
        QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
        policy.setHeightForWidth(true);
        setSizePolicy(policy);
    }

    bool isWide() const { return fitsWide(width()); }
    ClampedLabel *kindLabel() const { return m_kind; }
    KitLabel *hoursLabel() const { return m_hours; }

    QSize sizeHint() const override { return {wideWidth(), lineHeight()}; }
    QSize minimumSizeHint() const override
    {
        const int first =
            (m_kind ? m_kind->minimumSizeHint().width() + spacing : 0) + m_chip->sizeHint().width();
        const int second = m_hours ? m_hours->sizeHint().width() : 0;
        return {qMax(first, second), heightForWidth(0)};
    }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override
    {
        if (fitsWide(width) || !m_hours)
            return lineHeight();
        return lineHeight() + narrowSpacing + m_hours->sizeHint().height();
    }

protected:
    void resizeEvent(QResizeEvent *) override { place(); }

private:
    static constexpr int spacing = 6;
    static constexpr int narrowSpacing = 4;

    int lineHeight() const
    {
        int h = m_chip->sizeHint().height();
        if (m_kind)
            h = qMax(h, m_kind->sizeHint().height());
        if (m_hours)
            h = qMax(h, m_hours->sizeHint().height());
        return h;
    }
    int wideWidth() const
    {
        int w = m_chip->sizeHint().width();
        if (m_kind)
            w += m_kind->sizeHint().width() + spacing;
        if (m_hours)
            w += m_hours->sizeHint().width() + spacing;
        return w;
    }
    bool fitsWide(int width) const { return wideWidth() <= width; }
    void place()
    {
        const bool wide = fitsWide(width());
        const int line = lineHeight();
        const auto centred = [line](QWidget *w, int x, int width) {
            const int h = w->sizeHint().height();
            w->setGeometry(x, (line - h) / 2, width, h);
        };
        const QSize chip = m_chip->sizeHint();
        int x = 0;
        if (m_kind) {
            // Wide: the whole kind. Narrow: what the chip leaves.
            const int room =
                wide ? m_kind->sizeHint().width()
                     : qMax(0, qMin(m_kind->sizeHint().width(), width() - spacing - chip.width()));
            centred(m_kind, x, room);
            x += room + spacing;
        }
        centred(m_chip, x, chip.width());
        x += chip.width() + spacing;
        if (m_hours) {
            const QSize hours = m_hours->sizeHint();
            if (wide)
                centred(m_hours, x, hours.width());
            else
                m_hours->setGeometry(0, line + narrowSpacing, hours.width(), hours.height());
        }
    }

    ClampedLabel *m_kind;
    ModeChip *m_chip;
    KitLabel *m_hours;
};

} // namespace

StreakManagerRow::StreakManagerRow(Values values, Actions actions, Clock clock,
                                   platform::TimerScheduler &scheduler, QWidget *parent)
    : QWidget(parent)
    , m_values(std::move(values))
    , m_actions(std::move(actions))
    , m_clock(std::move(clock))
    , m_scheduler(scheduler)
    , m_numeral(new DaysNumeral(m_values.days, this))
    , m_unit(new KitLabel({}, Typography::caption11(), Color::inkMuted(), this))
    , m_nameLabel(
          new ClampedLabel(m_values.name, systemFont(14, FontWeight::semibold), Color::ink(), 2))
    , m_more(new SymbolButton(QStringLiteral("ellipsis"), Symbol::sizeForFont(13), iconFrame,
                              Color::inkMuted(), this))
{
    setAttribute(Qt::WA_Hover);
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);

    //% "days"
    m_unit->setText(qtTrId("streakManager.row.daysUnit"));
    m_unit->setAlignment(Qt::AlignHCenter);
    m_unit->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto *daysColumn = new QWidget(this);
    daysColumn->setObjectName(QStringLiteral("popover.list.row.days"));
    daysColumn->setFixedWidth(daysColumnWidth);
    // Spoken in the count's own form ("1 day"), where the unit beneath the
    // numeral is the same word for every count.
    //% "%n\u00a0days"
    daysColumn->setAccessibleName(qtTrId("a11y.dayCount", int(m_values.days)));
    auto *days = new QVBoxLayout(daysColumn);
    days->setContentsMargins(0, 0, 0, 0);
    days->setSpacing(2);
    days->addWidget(m_numeral, 0, Qt::AlignHCenter);
    days->addWidget(m_unit, 0, Qt::AlignHCenter);

    auto *name = new NameButton(m_nameLabel, this);
    name->setObjectName(QStringLiteral("popover.list.row.edit"));
    //% "Edit %1"
    name->setAccessibleName(qtTrId("a11y.streakManager.edit").arg(m_values.name));
    connect(name, &QAbstractButton::clicked, this, [this] {
        if (m_actions.onEdit)
            m_actions.onEdit();
    });

    if (m_actions.onPause) {
        m_pause = new SymbolButton(QStringLiteral("pause"), Symbol::sizeForFont(13), iconFrame,
                                   Color::inkMuted(), this);
        m_pause->setObjectName(QStringLiteral("popover.list.row.pause"));
        //% "Pause %1 for 1\u00a0hour"
        m_pause->setAccessibleName(qtTrId("a11y.streakManager.pause").arg(m_values.name));
        //% "Pause for an hour"
        m_pause->setToolTip(qtTrId("friction.button.pauseOneHour"));
        connect(m_pause, &QAbstractButton::clicked, this, [this] { m_actions.onPause(); });
    }
    m_more->setObjectName(QStringLiteral("popover.list.row.more"));
    //% "More for %1"
    m_more->setAccessibleName(qtTrId("a11y.streakManager.more").arg(m_values.name));
    connect(m_more, &QAbstractButton::clicked, this,
            [this] { makeMenu()->popup(m_more->mapToGlobal(QPoint(0, m_more->height()))); });

    auto *title = new QHBoxLayout;
    title->setContentsMargins(0, 0, 0, 0);
    title->setSpacing(4);
    title->addWidget(name, 1, Qt::AlignVCenter);
    if (m_pause)
        title->addWidget(m_pause, 0, Qt::AlignVCenter);
    title->addWidget(m_more, 0, Qt::AlignVCenter);

    m_textBlock = new QVBoxLayout;
    m_textBlock->setContentsMargins(0, 0, 0, 0);
    m_textBlock->setSpacing(2);
    m_textBlock->addLayout(title);

    m_mainColumn = new QVBoxLayout;
    m_mainColumn->setContentsMargins(0, 0, 0, 0);
    m_mainColumn->setSpacing(6);
    m_mainColumn->addLayout(m_textBlock);

    auto *card = new QHBoxLayout(this);
    card->setContentsMargins(12, 10, 8, 10);
    card->setSpacing(12);
    card->addWidget(daysColumn, 0, Qt::AlignTop);
    card->addLayout(m_mainColumn, 1);

    tick();
}

StreakManagerRow::~StreakManagerRow()
{
    if (m_timer)
        m_timer->invalidate();
}

qint64 StreakManagerRow::pauseMinutesLeft(const QDateTime &until, const QDateTime &now)
{
    return qint64(std::ceil(now.msecsTo(until) / 1000.0 / 60.0));
}

QString StreakManagerRow::pausedText() const
{
    return m_pausedLabel ? m_pausedLabel->text() : QString();
}

void StreakManagerRow::tick()
{
    if (m_timer)
        m_timer->invalidate();
    m_timer.reset();
    const QDateTime now = m_clock();
    const bool paused = m_values.pausedUntil && *m_values.pausedUntil > now;
    if (!m_built || paused != m_paused) {
        m_built = true;
        m_paused = paused;
        rebuildLowerLines();
        applyColors();
    }
    if (m_paused) {
        //% "Paused, back on in %1\u00a0min"
        m_pausedLabel->setText(
            qtTrId("streakManager.row.paused").arg(pauseMinutesLeft(*m_values.pausedUntil, now)));
        // Only a running pause changes with time.
        m_timer = m_scheduler.scheduleOnce(tickSeconds, [this] { tick(); });
    }
}

void StreakManagerRow::rebuildLowerLines()
{
    delete m_subtitle;
    m_subtitle = nullptr;
    m_pausedLabel = nullptr;
    delete m_progress;
    m_progress = nullptr;
    if (m_pause)
        m_pause->setVisible(!m_paused);

    if (!m_paused) {
        m_subtitle =
            new RowSubtitle(m_values.kindLabel, m_values.mode, m_values.activeHoursLabel, this);
        m_textBlock->addWidget(m_subtitle);
        m_progress = StreakRowProgressLine::forRow(m_values.allowanceRemainingSeconds,
                                                   m_values.allowanceMinutes, m_values.days, this);
        if (m_progress)
            m_mainColumn->addWidget(m_progress);
        return;
    }

    m_subtitle = new QWidget(this);
    auto *line = new QHBoxLayout(m_subtitle);
    line->setContentsMargins(0, 0, 0, 0);
    line->setSpacing(8);
    m_pausedLabel =
        new KitLabel({}, systemFont(11, FontWeight::medium), Color::brand(), m_subtitle);
    m_pausedLabel->setObjectName(QStringLiteral("popover.list.row.subtitle"));
    m_pausedLabel->setWordWrap(true);
    line->addWidget(m_pausedLabel, 1, Qt::AlignVCenter);
    if (m_actions.onResume) {
        //% "Resume"
        auto *resume = new SecondaryButton({.title = qtTrId("streakManager.row.resume"),
                                            .action = [this] { m_actions.onResume(); },
                                            .compact = true},
                                           m_subtitle);
        resume->setObjectName(QStringLiteral("popover.list.row.resume"));
        //% "Resume %1"
        resume->setAccessibleName(qtTrId("a11y.streakManager.resume").arg(m_values.name));
        resume->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        line->addWidget(resume, 0, Qt::AlignVCenter);
    }
    m_textBlock->addWidget(m_subtitle);
}

void StreakManagerRow::applyColors()
{
    const ThemeColor &ink = m_paused ? Color::inkMuted() : Color::ink();
    static_cast<DaysNumeral *>(m_numeral)->setColor(ink);
    m_nameLabel->setColor(ink);
    update();
}

QMenu *StreakManagerRow::makeMenu()
{
    auto *menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->setObjectName(QStringLiteral("popover.list.row.menu"));
    const auto run = [](const std::function<void()> &action) {
        return [action] {
            if (action)
                action();
        };
    };
    //% "Edit"
    menu->addAction(qtTrId("popover.contextMenu.edit"), this, run(m_actions.onEdit));
    if (m_paused && m_actions.onResume) {
        //% "Resume"
        menu->addAction(qtTrId("streakManager.row.resume"), this, run(m_actions.onResume));
    } else if (!m_paused && m_actions.onPause) {
        //% "Pause for an hour"
        menu->addAction(qtTrId("friction.button.pauseOneHour"), this, run(m_actions.onPause));
    }
    menu->addSeparator();
    //% "Delete"
    QAction *remove =
        menu->addAction(qtTrId("popover.contextMenu.delete"), this, run(m_actions.onDelete));
    remove->setObjectName(QStringLiteral("popover.list.row.delete"));
    return menu;
}

void StreakManagerRow::setHovering(bool hovering)
{
    if (hovering == m_hovering)
        return;
    m_hovering = hovering;
    PointingHandCursor::setActive(this, hovering);
    update();
}

void StreakManagerRow::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const bool surface = m_paused || m_hovering;
    p.setBrush((surface ? Color::surface() : Color::surfaceElevated()).resolve(this));
    QPen pen(Color::divider().resolve(this), 1.0);
    if (m_paused)
        pen.setDashPattern({4.0, 3.0});
    p.setPen(pen);
    p.drawRoundedRect(r, cornerRadius, cornerRadius);
}

void StreakManagerRow::enterEvent(QEnterEvent *event)
{
    setHovering(true);
    QWidget::enterEvent(event);
}

void StreakManagerRow::leaveEvent(QEvent *event)
{
    setHovering(false);
    QWidget::leaveEvent(event);
}

void StreakManagerRow::mousePressEvent(QMouseEvent *event)
{
    // Taken so that the release comes here: a click on the card edits.
    event->setAccepted(event->button() == Qt::LeftButton);
}

void StreakManagerRow::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
        m_actions.onEdit)
        m_actions.onEdit();
}

void StreakManagerRow::contextMenuEvent(QContextMenuEvent *event)
{
    makeMenu()->popup(event->globalPos());
}

bool StreakManagerRow::event(QEvent *event)
{
    if (Environment::isChange(event))
        update();
    return QWidget::event(event);
}

} // namespace halvex
