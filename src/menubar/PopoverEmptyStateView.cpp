#include "menubar/PopoverEmptyStateView.h"

#include <QAbstractButton>
#include <QEvent>
#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>

#include "editor/DomainListInput.h"
#include "menubar/ClampedLabel.h"
#include "ui/Color.h"
#include "ui/Environment.h"
#include "ui/KitLabel.h"
#include "ui/PointingHandCursor.h"
#include "ui/Typography.h"

namespace halvex {

namespace {

constexpr qreal chipCornerRadius = 8.0;

// One preset set as a card: its name (up to two lines) over its size.
class PresetChip final : public QAbstractButton {
public:
    PresetChip(DomainPreset preset, QWidget *parent)
        : QAbstractButton(parent)
        , m_preset(preset)
        , m_name(new ClampedLabel({}, Typography::body13Medium(), Color::ink(), 2, Qt::ElideRight,
                                  this))
        , m_count(new ClampedLabel({}, Typography::caption11(), Color::inkMuted(), 1,
                                   Qt::ElideRight, this))
    {
        setObjectName(QStringLiteral("popover.empty.set.") + raw(preset));
        setFocusPolicy(Qt::TabFocus);
        HoverPointingHandCursor::apply(this);
        m_name->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_count->setAttribute(Qt::WA_TransparentForMouseEvents);
        auto *column = new QVBoxLayout(this);
        column->setContentsMargins(10, 8, 10, 8);
        column->setSpacing(2);
        column->addStretch(1);
        column->addWidget(m_name);
        column->addWidget(m_count);
        column->addStretch(1);
        setMinimumHeight(PopoverEmptyStateView::chipMinimumHeight);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        retranslate();
    }
    DomainPreset preset() const { return m_preset; }
    void retranslate()
    {
        m_name->setText(DomainListInput::presetTitle(m_preset));
        //% "%n sites"
        m_count->setText(qtTrId("popover.empty.sets.count", int(domains(m_preset).size())));
        setAccessibleName(m_name->text() + u", " + m_count->text());
    }
    QSize sizeHint() const override
    {
        // Equal shares of the row: no chip asks for more than another.
        return {0, qMax(PopoverEmptyStateView::chipMinimumHeight, layout()->sizeHint().height())};
    }
    QSize minimumSizeHint() const override { return {0, PopoverEmptyStateView::chipMinimumHeight}; }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(Color::surfaceElevated().resolve(this));
        p.setPen(QPen(Color::divider().resolve(this), 1.0));
        p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), chipCornerRadius,
                          chipCornerRadius);
    }
    bool hitButton(const QPoint &pos) const override { return rect().contains(pos); }
    bool event(QEvent *event) override
    {
        if (Environment::isChange(event))
            update();
        return QAbstractButton::event(event);
    }

private:
    DomainPreset m_preset;
    ClampedLabel *m_name;
    ClampedLabel *m_count;
};

QFont setsTitleFont()
{
    QFont font = systemFont(11, FontWeight::semibold);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.5);
    return font;
}

} // namespace

const QList<DomainPreset> &PopoverEmptyStateView::offeredPresets()
{
    static const QList<DomainPreset> presets{DomainPreset::social, DomainPreset::video,
                                             DomainPreset::news};
    return presets;
}

PopoverEmptyStateView::PopoverEmptyStateView(QWidget *parent)
    : QWidget(parent)
    , m_title(new KitLabel({}, Typography::headline17Semibold(), Color::ink(), this))
    , m_subtitle(new KitLabel({}, Typography::body13(), Color::inkMuted(), this))
    , m_setsTitle(new KitLabel({}, setsTitleFont(), Color::inkMuted(), this))
{
    setObjectName(QStringLiteral("popover.empty.root"));
    m_title->setWordWrap(true);
    m_subtitle->setWordWrap(true);

    // The day count every streak starts from; decoration only.
    auto *zero =
        new KitLabel(QStringLiteral("0"), systemFont(64, FontWeight::bold, FontDesign::rounded),
                     Color::brand(), this);
    zero->setAccessibleName(QString());

    auto *hero = new QVBoxLayout;
    hero->setSpacing(8);
    hero->addWidget(zero);
    hero->addWidget(m_title);
    hero->addWidget(m_subtitle);

    auto *chips = new QHBoxLayout;
    chips->setSpacing(6);
    for (DomainPreset preset : offeredPresets()) {
        auto *chip = new PresetChip(preset, this);
        connect(chip, &QAbstractButton::clicked, this,
                [this, preset] { emit startFromSetRequested(preset); });
        chips->addWidget(chip, 1);
        m_chips << chip;
    }
    auto *sets = new QVBoxLayout;
    sets->setSpacing(8);
    sets->addWidget(m_setsTitle);
    sets->addLayout(chips);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(16);
    column->addLayout(hero);
    column->addLayout(sets);
    retranslate();
}

void PopoverEmptyStateView::retranslate()
{
    //% "Day zero starts with a name."
    m_title->setText(qtTrId("popover.empty.title"));
    //% "Pick the site or app you keep opening without meaning to. Halvex counts the days you stay
    // away."
    m_subtitle->setText(qtTrId("popover.empty.subtitle"));
    //% "Start from a set"
    m_setsTitle->setText(locale().toUpper(qtTrId("popover.empty.sets.title")));
    for (QWidget *chip : std::as_const(m_chips))
        static_cast<PresetChip *>(chip)->retranslate();
}

void PopoverEmptyStateView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange || event->type() == QEvent::LocaleChange)
        retranslate();
    QWidget::changeEvent(event);
}

} // namespace halvex
