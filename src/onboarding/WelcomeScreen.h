#pragma once

#include <QGraphicsOpacityEffect>
#include <QPointer>
#include <QWidget>

namespace halvex {

class KitLabel;
class OnboardingCoordinator;
class OnboardingScreenLayout;
class PrimaryButton;

// The first step: the brand mark, the product name and the tagline, which
// fade in shortly after the screen is shown, and the button that begins.
// Return begins too; there is no way back from here.
//
// Identifiers: "OnboardingWelcomeBrand" (the name), "OnboardingBeginButton".
class WelcomeScreen final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WelcomeScreen)
    Q_PROPERTY(qreal contentOpacity READ contentOpacity WRITE setContentOpacity)
public:
    static constexpr int logoHeight = 96;
    static constexpr int taglineWidth = 320;
    // The pause before the content fades in.
    static constexpr int appearDelayMs = 50;

    explicit WelcomeScreen(OnboardingCoordinator &coordinator, QWidget *parent = nullptr);

    // 0 until the fade begins, 1 once it has run.
    qreal contentOpacity() const { return m_contentOpacity; }
    void setContentOpacity(qreal opacity);

    OnboardingScreenLayout *screenLayout() const { return m_layout; }

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void appear();
    void retranslate();

    OnboardingCoordinator &m_coordinator;
    QWidget *m_content;
    // Gone once the content is fully shown.
    QPointer<QGraphicsOpacityEffect> m_fade;
    KitLabel *m_tagline;
    PrimaryButton *m_begin;
    OnboardingScreenLayout *m_layout;
    qreal m_contentOpacity = 0.0;
    bool m_appeared = false;
};

} // namespace halvex
