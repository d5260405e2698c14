#pragma once

#include <QWidget>

namespace halvex {

// The step dots of the onboarding screens: one 8-point circle per step, the
// current one filled in ink, the others outlined in muted ink. For
// assistive tools the dots are one element read as "step 2 of 5".
class OnboardingProgressIndicator final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(OnboardingProgressIndicator)
public:
    static constexpr int dotSize = 8;
    static constexpr int spacing = 8;

    // A negative total counts as none.
    OnboardingProgressIndicator(int currentStep, int totalSteps, QWidget *parent = nullptr);

    int currentStep() const { return m_currentStep; }
    int totalSteps() const { return m_totalSteps; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool event(QEvent *event) override;

private:
    void retranslate();

    int m_currentStep;
    int m_totalSteps;
};

} // namespace halvex
