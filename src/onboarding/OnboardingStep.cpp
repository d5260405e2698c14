#include "onboarding/OnboardingStep.h"

namespace halvex {

int raw(OnboardingStep step)
{
    return static_cast<int>(step);
}

std::optional<OnboardingStep> onboardingStepFromRaw(int raw)
{
    if (raw < static_cast<int>(OnboardingStep::welcome) ||
        raw > static_cast<int>(OnboardingStep::done))
        return std::nullopt;
    return static_cast<OnboardingStep>(raw);
}

} // namespace halvex
