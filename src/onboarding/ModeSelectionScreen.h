#pragma once

#include <array>

#include <QWidget>

#include "model/Streak.h"
#include "onboarding/OnboardingChoiceButton.h"

namespace halvex {

class KitLabel;
class OnboardingCoordinator;
class OnboardingScreenLayout;
class PrimaryButton;
class SymbolView;

// One mode of the mode-selection step: its symbol, name and what it does,
// at the top of an outlined card that takes clicks as a whole.
class ModeCard final : public OnboardingChoiceButton {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ModeCard)
public:
    static constexpr int padding = 16;

    explicit ModeCard(StrictnessMode mode, QWidget *parent = nullptr);

    StrictnessMode mode() const { return m_mode; }
    static QString symbolName(StrictnessMode mode);
    static QString title(StrictnessMode mode);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    StrictnessMode m_mode;
    KitLabel *m_title;
    KitLabel *m_description;
};

// The fourth step: how strict the first streak is, from three cards side by
// side. The choice starts at the coordinator's mode (firm on a first visit)
// and is written into it only on Continue; Back forgets it.
//
// Identifiers: "onboarding.mode.gentle", ".firm", ".brutal" (the cards) and
// "onboarding.mode.continue".
class ModeSelectionScreen final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ModeSelectionScreen)
public:
    static constexpr int cardMinimumHeight = 180;

    explicit ModeSelectionScreen(OnboardingCoordinator &coordinator, QWidget *parent = nullptr);

    StrictnessMode selection() const { return m_selection; }
    void select(StrictnessMode mode);
    ModeCard *card(StrictnessMode mode) const;

    OnboardingScreenLayout *screenLayout() const { return m_layout; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    OnboardingCoordinator &m_coordinator;
    StrictnessMode m_selection;
    std::array<ModeCard *, 3> m_cards{};
    KitLabel *m_title;
    KitLabel *m_helper;
    PrimaryButton *m_continue;
    OnboardingScreenLayout *m_layout;
};

} // namespace halvex
