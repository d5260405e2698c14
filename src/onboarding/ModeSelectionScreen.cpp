#include "onboarding/ModeSelectionScreen.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "editor/ModeChip.h"
#include "onboarding/OnboardingCoordinator.h"
#include "onboarding/OnboardingScreenLayout.h"
#include "ui/Color.h"
#include "ui/KitLabel.h"
#include "ui/PrimaryButton.h"
#include "ui/Symbol.h"
#include "ui/Typography.h"

namespace halvex {

namespace {

constexpr std::array<StrictnessMode, 3> modes{StrictnessMode::gentle, StrictnessMode::firm,
                                              StrictnessMode::brutal};

} // namespace

ModeCard::ModeCard(StrictnessMode mode, QWidget *parent)
    : OnboardingChoiceButton(parent)
    , m_mode(mode)
    , m_title(new KitLabel({}, Typography::headline17Semibold(), Color::ink(), this))
    , m_description(new KitLabel({}, Typography::body13(), Color::inkMuted(), this))
{
    setObjectName(QStringLiteral("onboarding.mode.") + raw(mode));
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(padding, padding, padding, padding);
    column->setSpacing(12);
    auto *symbol = new SymbolView(symbolName(mode), 22, Color::ink(), this);
    column->addWidget(symbol, 0, Qt::AlignLeft);
    for (KitLabel *label : {m_title, m_description}) {
        // Wraps onto as many lines as it needs, never cut.
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        column->addWidget(label);
    }
    column->addStretch(1);
    // The card is one button: its texts take no clicks of their own.
    for (QWidget *child : {static_cast<QWidget *>(symbol), static_cast<QWidget *>(m_title),
                           static_cast<QWidget *>(m_description)})
        child->setAttribute(Qt::WA_TransparentForMouseEvents);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    retranslate();
}

QString ModeCard::symbolName(StrictnessMode mode)
{
    return modeSymbolName(mode);
}

QString ModeCard::title(StrictnessMode mode)
{
    switch (mode) {
    case StrictnessMode::gentle:
        //% "Gentle"
        return qtTrId("onboarding.mode.gentle.title");
    case StrictnessMode::firm:
        //% "Firm"
        return qtTrId("onboarding.mode.firm.title");
    case StrictnessMode::brutal:
        break;
    }
    //% "Brutal"
    return qtTrId("onboarding.mode.brutal.title");
}

void ModeCard::retranslate()
{
    m_title->setText(title(m_mode));
    m_description->setText(modeDescription(m_mode));
    setAccessibleName(m_title->text());
    setAccessibleDescription(m_description->text());
}

void ModeCard::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    OnboardingChoiceButton::changeEvent(event);
}

ModeSelectionScreen::ModeSelectionScreen(OnboardingCoordinator &coordinator, QWidget *parent)
    : QWidget(parent)
    , m_coordinator(coordinator)
    , m_selection(coordinator.selectedMode())
    , m_title(new KitLabel({}, Typography::title22Semibold(), Color::ink()))
    , m_helper(new KitLabel({}, Typography::caption11(), Color::inkSubtle()))
    , m_continue(new PrimaryButton({.action = [this] {
        m_coordinator.setSelectedMode(m_selection);
        m_coordinator.advance();
    }}))
{
    setObjectName(QStringLiteral("onboarding.modeSelection"));
    auto *content = new QWidget;
    auto *column = new QVBoxLayout(content);
    column->setContentsMargins(0, 32, 0, 12);
    column->setSpacing(24);
    column->addWidget(m_title);

    auto *row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(12);
    for (std::size_t i = 0; i < modes.size(); ++i) {
        auto *card = new ModeCard(modes[i], content);
        card->setMinimumHeight(cardMinimumHeight);
        card->setSelected(modes[i] == m_selection, false);
        connect(card, &QAbstractButton::clicked, this, [this, mode = modes[i]] { select(mode); });
        row->addWidget(card, 1);
        m_cards[i] = card;
    }
    column->addLayout(row);
    m_helper->setWordWrap(true);
    column->addWidget(m_helper);
    column->addStretch(1);

    m_continue->setObjectName(QStringLiteral("onboarding.mode.continue"));
    m_layout = new OnboardingScreenLayout(
        raw(OnboardingStep::modeSelection), [this] { m_coordinator.goBack(); }, content, m_continue,
        this);
    auto *fill = new QVBoxLayout(this);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(m_layout);
    retranslate();
}

void ModeSelectionScreen::select(StrictnessMode mode)
{
    m_selection = mode;
    for (ModeCard *card : m_cards)
        card->setSelected(card->mode() == mode);
}

ModeCard *ModeSelectionScreen::card(StrictnessMode mode) const
{
    for (ModeCard *card : m_cards) {
        if (card->mode() == mode)
            return card;
    }
    return nullptr;
}

void ModeSelectionScreen::retranslate()
{
    //% "How strict should it be?"
    m_title->setText(qtTrId("onboarding.mode.title"));
    //% "You can change the mode of any streak later."
    m_helper->setText(qtTrId("onboarding.mode.helper.changeLater"));
    //% "Continue"
    m_continue->setText(qtTrId("onboarding.cta.continue"));
}

void ModeSelectionScreen::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

} // namespace halvex
