#include "editor/ModeSelector.h"

#include <array>

#include <QAbstractButton>
#include <QEvent>
#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>

#include "ui/KeyboardFocusRing.h"
#include "editor/ModeChip.h"
#include "editor/SelectionLook.h"
#include "editor/StreakFollower.h"
#include "engine/StreakEngine.h"
#include "ui/Color.h"
#include "ui/Environment.h"
#include "ui/KitLabel.h"
#include "ui/PointingHandCursor.h"
#include "ui/Symbol.h"
#include "ui/Typography.h"

namespace halvex {

namespace {

constexpr qreal cornerRadius = 8.0;
const std::array<StrictnessMode, 3> modes{StrictnessMode::gentle, StrictnessMode::firm,
                                          StrictnessMode::brutal};

// A choice of one mode. Clicking never unticks it: the selector decides.
class ModeChoice : public QAbstractButton {
public:
    ModeChoice(StrictnessMode mode, QWidget *parent)
        : QAbstractButton(parent)
        , m_mode(mode)
        , m_look(new SelectionLook(this, false))
    {
        setObjectName(QStringLiteral("streakEditor.mode.") + raw(mode));
        setFocusPolicy(Qt::TabFocus);
        HoverPointingHandCursor::apply(this);
        KeyboardFocusRing::track(this);
    }
    StrictnessMode mode() const { return m_mode; }
    virtual void setSelected(bool selected, bool animated)
    {
        m_look->setSelected(selected, animated);
    }
    bool isSelected() const { return m_look->isSelected(); }
    virtual void retranslate() = 0;

protected:
    qreal look() const { return m_look->value(); }
    bool hitButton(const QPoint &pos) const override { return rect().contains(pos); }
    bool event(QEvent *event) override
    {
        if (Environment::isChange(event))
            update();
        return QAbstractButton::event(event);
    }

private:
    StrictnessMode m_mode;
    SelectionLook *m_look;
};

// One of the compact style's three cards: symbol over name.
class CompactModeCard final : public ModeChoice {
public:
    static constexpr int minimumHeight = 54;
    static constexpr int symbolSize = 15;
    static constexpr int gap = 4;

    CompactModeCard(StrictnessMode mode, QWidget *parent)
        : ModeChoice(mode, parent)
    {
        // The selected trait: checked while selected, never by a click alone.
        setCheckable(true);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        retranslate();
    }
    void setSelected(bool selected, bool animated) override
    {
        ModeChoice::setSelected(selected, animated);
        setChecked(selected);
    }
    void retranslate() override
    {
        setText(modeTitle(mode()));
        setAccessibleName(text());
    }
    QFont titleFont() const
    {
        return systemFont(11, isSelected() ? FontWeight::semibold : FontWeight::medium);
    }
    QSize sizeHint() const override
    {
        const QFontMetrics fm(titleFont());
        return {fm.horizontalAdvance(text()) + 16,
                qMax(minimumHeight, symbolSize + gap + fm.height() + 8)};
    }
    QSize minimumSizeHint() const override { return {40, sizeHint().height()}; }

protected:
    void nextCheckState() override {}
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(Color::surfaceElevated().resolve(this));
        p.drawRoundedRect(QRectF(rect()), cornerRadius, cornerRadius);
        SelectionLook::strokeOutline(p, this, look(), cornerRadius);

        const QColor ink = Color::ink().resolve(this);
        QFont font = titleFont();
        const int room = width() - 12;
        const int natural = QFontMetrics(font).horizontalAdvance(text());
        if (natural > room && natural > 0) {
            // Shrinks to fit, down to 0.8 of its size; past that it is cut.
            font.setPixelSize(qMax(1, qRound(font.pixelSize() * qMax(0.8, qreal(room) / natural))));
        }
        const QFontMetrics fm(font);
        const qreal top = (height() - (symbolSize + gap + fm.height())) / 2.0;
        Symbol::paint(p, QRectF((width() - symbolSize) / 2.0, top, symbolSize, symbolSize),
                      modeSymbolName(mode()), ink);
        p.setFont(font);
        p.setPen(ink);
        p.drawText(QRectF(6, top + symbolSize + gap, width() - 12, fm.height()), Qt::AlignCenter,
                   fm.elidedText(text(), Qt::ElideRight, room));
        SelectionLook::paintFocusRing(p, this, cornerRadius);
    }
};

// One of the stacked style's rows: symbol, name over description, and a
// checkmark while selected.
class ModeRow final : public ModeChoice {
public:
    ModeRow(StrictnessMode mode, QWidget *parent)
        : ModeChoice(mode, parent)
        , m_title(new KitLabel({}, Typography::body13Medium(), Color::ink(), this))
        , m_description(new KitLabel({}, Typography::caption11(), Color::inkMuted(), this))
        , m_check(new SymbolView(QStringLiteral("checkmark"), 14, Color::ink(), this))
    {
        auto *symbol = new SymbolView(modeSymbolName(mode), 23, Color::ink(), this);
        auto *symbolColumn = new QVBoxLayout;
        symbolColumn->setContentsMargins(0, 2, 0, 0);
        symbolColumn->addWidget(symbol, 0, Qt::AlignHCenter);
        symbolColumn->addStretch(1);
        auto *symbolBox = new QWidget(this);
        symbolBox->setFixedWidth(24);
        symbolBox->setLayout(symbolColumn);
        symbolBox->setAttribute(Qt::WA_TransparentForMouseEvents);

        m_description->setWordWrap(true);
        m_title->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_description->setAttribute(Qt::WA_TransparentForMouseEvents);
        auto *texts = new QVBoxLayout;
        texts->setContentsMargins(0, 0, 0, 0);
        texts->setSpacing(4);
        texts->addWidget(m_title);
        texts->addWidget(m_description);

        auto *checkColumn = new QVBoxLayout;
        checkColumn->setContentsMargins(0, 4, 0, 0);
        checkColumn->addWidget(m_check);
        checkColumn->addStretch(1);
        m_check->setVisible(false);

        auto *row = new QHBoxLayout(this);
        row->setContentsMargins(12, 12, 12, 12);
        row->setSpacing(12);
        row->addWidget(symbolBox);
        row->addLayout(texts, 1);
        row->addLayout(checkColumn);

        QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
        policy.setHeightForWidth(true);
        setSizePolicy(policy);
        retranslate();
    }
    void setSelected(bool selected, bool animated) override
    {
        ModeChoice::setSelected(selected, animated);
        m_check->setVisible(selected);
    }
    void retranslate() override
    {
        m_title->setText(modeTitle(mode()));
        m_description->setText(modeDescription(mode()));
        setAccessibleName(m_title->text());
        setAccessibleDescription(m_description->text());
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        SelectionLook::strokeOutline(p, this, look(), cornerRadius);
        SelectionLook::paintFocusRing(p, this, cornerRadius);
    }

private:
    KitLabel *m_title;
    KitLabel *m_description;
    SymbolView *m_check;
};

} // namespace

ModeSelector::ModeSelector(StrictnessMode mode, bool showsTitle, Style style, QWidget *parent)
    : QWidget(parent)
    , m_mode(mode)
    , m_style(style)
{
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(spacing);
    if (showsTitle) {
        m_title = new KitLabel({}, Typography::caption11(), Color::inkMuted(), this);
        column->addWidget(m_title);
    }
    QBoxLayout *choices =
        style == Style::compact ? static_cast<QBoxLayout *>(new QHBoxLayout) : new QVBoxLayout;
    choices->setContentsMargins(0, 0, 0, 0);
    choices->setSpacing(style == Style::compact ? cardSpacing : spacing);
    for (StrictnessMode m : modes) {
        ModeChoice *choice = style == Style::compact
                                 ? static_cast<ModeChoice *>(new CompactModeCard(m, this))
                                 : new ModeRow(m, this);
        choices->addWidget(choice, 1);
        connect(choice, &QAbstractButton::clicked, this, [this, m] { select(m); });
        m_choices.append(choice);
    }
    column->addLayout(choices);
    if (style == Style::compact) {
        m_description = new KitLabel({}, Typography::caption11(), Color::inkMuted(), this);
        m_description->setWordWrap(true);
        column->addWidget(m_description);
    }
    retranslate();
    refresh(false);
}

void ModeSelector::setMode(StrictnessMode mode)
{
    if (mode == m_mode)
        return;
    m_mode = mode;
    refresh();
}

QWidget *ModeSelector::choice(StrictnessMode mode) const
{
    return m_choices.value(int(mode));
}

void ModeSelector::bindTo(StreakEngine &engine, const std::shared_ptr<Streak> &streak)
{
    followStreak(this, streak, {QStringLiteral("modeRaw")},
                 [this, streak] { setMode(StreakEngine::modeBindingGet(streak)); });
    connect(this, &ModeSelector::modeEdited, &engine,
            [&engine, streak](StrictnessMode mode) { engine.setMode(streak, mode); });
}

void ModeSelector::select(StrictnessMode mode)
{
    m_mode = mode;
    refresh();
    emit modeEdited(mode);
}

void ModeSelector::refresh(bool animated)
{
    for (QWidget *w : std::as_const(m_choices)) {
        auto *choice = static_cast<ModeChoice *>(w);
        choice->setSelected(choice->mode() == m_mode, animated);
        choice->updateGeometry();
    }
    if (m_description)
        m_description->setText(modeDescription(m_mode));
}

void ModeSelector::retranslate()
{
    if (m_title)
        //% "Strictness"
        m_title->setText(qtTrId("streakEditor.mode.title"));
    for (QWidget *w : std::as_const(m_choices))
        static_cast<ModeChoice *>(w)->retranslate();
    if (m_description)
        m_description->setText(modeDescription(m_mode));
}

void ModeSelector::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

} // namespace halvex
