#pragma once

#include <functional>

#include <QWidget>

class QAbstractButton;

namespace halvex {

class OnboardingProgressIndicator;

// The frame every onboarding screen is drawn in, 640 × 480 on the
// background colour: the screen's content (32 in from the sides), the step
// dots, and a bottom bar with the back button at the leading edge and the
// screen's footer at the trailing one. Without a back action the back button
// keeps its place but is invisible, inert and silent, so the footer stands
// in the same place on every step. Escape goes back where there is a back
// action.
class OnboardingScreenLayout final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(OnboardingScreenLayout)
public:
    static constexpr int width = 640;
    static constexpr int height = 480;
    // The visible steps; `done` has no screen.
    static constexpr int totalSteps = 5;
    static constexpr int sideMargin = 32;

    // Takes `content` and `footer` in.
    OnboardingScreenLayout(int currentStep, std::function<void()> onBack, QWidget *content,
                           QWidget *footer, QWidget *parent = nullptr);

    int currentStep() const;
    QAbstractButton *backButton() const { return m_back; }
    OnboardingProgressIndicator *progressIndicator() const { return m_progress; }
    QWidget *content() const { return m_content; }
    QWidget *footer() const { return m_footer; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool event(QEvent *event) override;

private:
    std::function<void()> m_onBack;
    QAbstractButton *m_back;
    OnboardingProgressIndicator *m_progress;
    QWidget *m_content;
    QWidget *m_footer;
};

} // namespace halvex
