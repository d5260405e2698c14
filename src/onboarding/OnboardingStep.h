#pragma once

#include <optional>

#include <QMetaType>

namespace halvex {

// The first-run wizard's steps in the order it walks them; `done` shows
// nothing (the window is about to close).
enum class OnboardingStep { welcome, preferences, firstStreak, modeSelection, permissions, done };

// 0 for welcome up to 5 for done.
int raw(OnboardingStep step);
// Nothing outside 0–5.
std::optional<OnboardingStep> onboardingStepFromRaw(int raw);

} // namespace halvex

Q_DECLARE_METATYPE(halvex::OnboardingStep)
