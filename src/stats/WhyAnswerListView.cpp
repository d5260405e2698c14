#include "stats/WhyAnswerListView.h"

#include <algorithm>

#include <QEvent>
#include <QHBoxLayout>
#include <QPainter>
#include <QTextLayout>
#include <QVBoxLayout>

#include "model/ModelContext.h"
#include "model/Streak.h"
#include "model/TriggerEvent.h"
#include "model/WhyAnswer.h"
#include "stats/StatsCardHeader.h"
#include "ui/Color.h"
#include "ui/Environment.h"
#include "ui/KitLabel.h"
#include "ui/Typography.h"

namespace halvex {

namespace {

// Wrapped text of at most `maxLines` lines; what does not fit ends the last
// line with an ellipsis.
class ClampedText final : public QWidget {
public:
    ClampedText(const QString &text, const QFont &font, const ThemeColor &color, int maxLines,
                QWidget *parent)
        : QWidget(parent)
        , m_text(text)
        , m_color(color)
        , m_maxLines(maxLines)
    {
        setFont(font);
        QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
        policy.setHeightForWidth(true);
        setSizePolicy(policy);
    }

    const QString &text() const { return m_text; }

    // The lines as drawn at `width`.
    QStringList lines(int width) const
    {
        QStringList result;
        QTextLayout layout(m_text, font());
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        while (true) {
            QTextLine line = layout.createLine();
            if (!line.isValid())
                break;
            line.setLineWidth(width);
            if (result.size() == m_maxLines - 1) {
                const QString rest = m_text.mid(line.textStart());
                result << QFontMetrics(font()).elidedText(rest, Qt::ElideRight, width);
                break;
            }
            result << m_text.mid(line.textStart(), line.textLength()).trimmed();
        }
        layout.endLayout();
        return result;
    }

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override
    {
        return int(std::max<qsizetype>(lines(std::max(width, 1)).size(), 1)) *
               QFontMetrics(font()).lineSpacing();
    }
    QSize sizeHint() const override
    {
        const int width = QFontMetrics(font()).horizontalAdvance(m_text);
        return {std::min(width, 400), heightForWidth(std::min(width, 400))};
    }
    QSize minimumSizeHint() const override { return {40, QFontMetrics(font()).lineSpacing()}; }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setPen(m_color.resolve(this));
        const QFontMetrics fm(font());
        int y = fm.ascent();
        for (const QString &line : lines(width())) {
            p.drawText(QPoint(0, y), line);
            y += fm.lineSpacing();
        }
    }
    bool event(QEvent *event) override
    {
        if (Environment::isChange(event))
            update();
        return QWidget::event(event);
    }

private:
    QString m_text;
    ThemeColor m_color;
    int m_maxLines;
};

// The count on a capsule of the surface colour.
class CountBadge final : public QWidget {
public:
    CountBadge(qint64 count, QWidget *parent)
        : QWidget(parent)
        , m_text(QString::number(count))
    {
        setObjectName(QStringLiteral("stats.whyAnswers.count"));
        QFont font = Typography::caption11();
        font.setWeight(QFont::DemiBold);
        setFont(font);
        setAccessibleName(m_text);
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    }

    const QString &text() const { return m_text; }

    QSize sizeHint() const override
    {
        const QFontMetrics fm(font());
        return {std::max(28, fm.horizontalAdvance(m_text) + 16), fm.height() + 4};
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(Color::surface().resolve(this));
        const QRectF r(rect());
        p.drawRoundedRect(r, r.height() / 2.0, r.height() / 2.0);
        p.setPen(Color::ink().resolve(this));
        p.drawText(rect(), Qt::AlignCenter, m_text);
    }
    bool event(QEvent *event) override
    {
        if (Environment::isChange(event))
            update();
        return QWidget::event(event);
    }

private:
    QString m_text;
};

class Divider final : public QWidget {
public:
    explicit Divider(QWidget *parent)
        : QWidget(parent)
    {
        setFixedHeight(1);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter(this).fillRect(rect(), Color::divider().resolve(this));
    }
    bool event(QEvent *event) override
    {
        if (Environment::isChange(event))
            update();
        return QWidget::event(event);
    }
};

bool isWatched(const Record *record, const QString &field)
{
    const EntitySchema *entity = &record->entity();
    if (entity == &WhyAnswer::schema())
        return true;
    if (entity == &Streak::schema())
        return field.isEmpty() || field == u"name";
    // An event's deletion takes its streak's name from the answers.
    return entity == &TriggerEvent::schema() && field.isEmpty();
}

} // namespace

WhyAnswerListView::WhyAnswerListView(ModelContext &context, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("stats.whyAnswers"));
    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(spacing);

    auto *header = new StatsCardHeader(this);
    m_title = header->title();
    m_title->setObjectName(QStringLiteral("stats.whyAnswers.title"));
    m_subtitle = header->note();
    m_subtitle->setObjectName(QStringLiteral("stats.whyAnswers.subtitle"));
    m_layout->addWidget(header);

    connect(&m_context, &ModelContext::recordInserted, this, [this](Record *record) {
        if (&record->entity() == &WhyAnswer::schema())
            m_pendingRefresh.schedule();
    });
    connect(&m_context, &ModelContext::recordRemoved, this, [this](Record *record) {
        if (isWatched(record, QString()))
            m_pendingRefresh.schedule();
    });
    connect(&m_context, &ModelContext::recordChanged, this,
            [this](Record *record, const QString &field) {
                if (isWatched(record, field))
                    m_pendingRefresh.schedule();
            });

    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    retranslate();
    refresh();
}

QString WhyAnswerListView::namesText(const QStringList &streakNames)
{
    return streakNames.mid(0, 2).join(QStringLiteral(", "));
}

void WhyAnswerListView::refresh()
{
    m_pendingRefresh.settle();
    m_entries = WhyAnswerGrouping::fromStore(m_context);
    rebuild();
}

void WhyAnswerListView::rebuild()
{
    if (m_content) {
        m_layout->removeWidget(m_content);
        m_content->hide();
        m_content->deleteLater();
    }
    m_content = buildContent();
    m_layout->addWidget(m_content);
    m_content->show();
}

QWidget *WhyAnswerListView::buildContent()
{
    auto *content = new QWidget(this);
    content->setObjectName(QStringLiteral("stats.whyAnswers.content"));
    auto *layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    if (m_entries.empty()) {
        //% "No answers yet."
        auto *empty = new KitLabel(qtTrId("stats.whyAnswers.empty"), Typography::body13(),
                                   Color::inkMuted(), content);
        empty->setObjectName(QStringLiteral("stats.whyAnswers.empty"));
        empty->setWordWrap(true);
        empty->setContentsMargins(0, 12, 0, 12);
        layout->addWidget(empty);
        return content;
    }
    for (const WhyEntry &entry : m_entries) {
        auto *row = new QWidget(content);
        row->setObjectName(QStringLiteral("stats.whyAnswers.row"));
        auto *rowLayout = new QHBoxLayout(row);
        rowLayout->setContentsMargins(0, rowPadding, 0, rowPadding);
        rowLayout->setSpacing(rowSpacing);
        //% "“%1”"
        const QString quoted = qtTrId("stats.whyAnswers.quote").arg(entry.text);
        auto *quote = new ClampedText(quoted, Typography::body13(), Color::ink(), quoteLines, row);
        quote->setObjectName(QStringLiteral("stats.whyAnswers.quote"));
        quote->setAccessibleName(quoted);
        rowLayout->addWidget(quote, 1, Qt::AlignVCenter);
        QStringList accessible{quoted};
        if (!entry.streakNames.isEmpty()) {
            const QString names = namesText(entry.streakNames);
            auto *label = new KitLabel(QFontMetrics(Typography::caption11())
                                           .elidedText(names, Qt::ElideRight, namesMaximumWidth),
                                       Typography::caption11(), Color::inkMuted(), row);
            label->setObjectName(QStringLiteral("stats.whyAnswers.streaks"));
            label->setAccessibleName(names);
            rowLayout->addWidget(label, 0, Qt::AlignVCenter);
            accessible << names;
        }
        rowLayout->addWidget(new CountBadge(entry.count, row), 0, Qt::AlignVCenter);
        accessible << QString::number(entry.count);
        row->setAccessibleName(accessible.join(QStringLiteral(", ")));
        layout->addWidget(row);
        layout->addWidget(new Divider(content));
    }
    return content;
}

void WhyAnswerListView::retranslate()
{
    //% "What you told the panel"
    m_title->setText(qtTrId("stats.whyAnswers.title"));
    //% "Answers to \"Why are you here?\""
    m_subtitle->setText(qtTrId("stats.whyAnswers.subtitle"));
}

void WhyAnswerListView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        m_pendingRefresh.schedule();
    }
    QWidget::changeEvent(event);
}

} // namespace halvex
