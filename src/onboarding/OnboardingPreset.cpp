#include "onboarding/OnboardingPreset.h"

namespace halvex {

QString raw(OnboardingPreset preset)
{
    switch (preset) {
    case OnboardingPreset::twitter:
        return QStringLiteral("twitter");
    case OnboardingPreset::instagram:
        return QStringLiteral("instagram");
    case OnboardingPreset::reddit:
        return QStringLiteral("reddit");
    case OnboardingPreset::youtube:
        return QStringLiteral("youtube");
    case OnboardingPreset::tiktok:
        return QStringLiteral("tiktok");
    case OnboardingPreset::slack:
        return QStringLiteral("slack");
    case OnboardingPreset::discord:
        break;
    }
    return QStringLiteral("discord");
}

std::optional<OnboardingPreset> onboardingPresetFromRaw(const QString &text)
{
    for (const OnboardingPreset preset : allOnboardingPresets()) {
        if (raw(preset) == text)
            return preset;
    }
    return std::nullopt;
}

const std::vector<OnboardingPreset> &allOnboardingPresets()
{
    static const std::vector<OnboardingPreset> all{
        OnboardingPreset::twitter, OnboardingPreset::instagram, OnboardingPreset::reddit,
        OnboardingPreset::youtube, OnboardingPreset::tiktok,    OnboardingPreset::slack,
        OnboardingPreset::discord,
    };
    return all;
}

QString title(OnboardingPreset preset)
{
    switch (preset) {
    case OnboardingPreset::twitter:
        //% "X (Twitter)"
        return qtTrId("onboarding.firstStreak.preset.twitter");
    case OnboardingPreset::instagram:
        //% "Instagram"
        return qtTrId("onboarding.firstStreak.preset.instagram");
    case OnboardingPreset::reddit:
        //% "Reddit"
        return qtTrId("onboarding.firstStreak.preset.reddit");
    case OnboardingPreset::youtube:
        //% "YouTube"
        return qtTrId("onboarding.firstStreak.preset.youtube");
    case OnboardingPreset::tiktok:
        //% "TikTok"
        return qtTrId("onboarding.firstStreak.preset.tiktok");
    case OnboardingPreset::slack:
        //% "Slack"
        return qtTrId("onboarding.firstStreak.preset.slack");
    case OnboardingPreset::discord:
        break;
    }
    //% "Discord"
    return qtTrId("onboarding.firstStreak.preset.discord");
}

QStringList domains(OnboardingPreset preset)
{
    switch (preset) {
    case OnboardingPreset::twitter:
        return {QStringLiteral("twitter.com"), QStringLiteral("x.com")};
    case OnboardingPreset::instagram:
        return {QStringLiteral("instagram.com")};
    case OnboardingPreset::reddit:
        return {QStringLiteral("reddit.com")};
    case OnboardingPreset::youtube:
        return {QStringLiteral("youtube.com")};
    case OnboardingPreset::tiktok:
        return {QStringLiteral("tiktok.com")};
    case OnboardingPreset::slack:
        return {QStringLiteral("slack.com")};
    case OnboardingPreset::discord:
        break;
    }
    return {QStringLiteral("discord.com")};
}

} // namespace halvex
