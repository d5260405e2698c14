#pragma once

#include <optional>
#include <vector>

#include <QMetaType>
#include <QString>
#include <QStringList>

namespace halvex {

// The sites the first streak can be made of in one tap; each makes a site
// streak.
enum class OnboardingPreset { twitter, instagram, reddit, youtube, tiktok, slack, discord };

// "twitter", "instagram", ...: the preset's identity.
QString raw(OnboardingPreset preset);
// Exact text match; anything else is no preset.
std::optional<OnboardingPreset> onboardingPresetFromRaw(const QString &raw);
// Every preset, in its declared order.
const std::vector<OnboardingPreset> &allOnboardingPresets();

// The service's name in the interface language.
QString title(OnboardingPreset preset);
// The service's web hosts, bare; twitter lists its earlier host, then its current one.
QStringList domains(OnboardingPreset preset);

} // namespace halvex

Q_DECLARE_METATYPE(halvex::OnboardingPreset)
