#pragma once

#include <optional>
#include <vector>

#include <QString>
#include <QStringList>

namespace halvex {

// Ready-made site lists the user can add to a site streak in one step.
enum class DomainPreset { social, video, news, shopping, games };

QString raw(DomainPreset preset);
// Exact text match; anything else is no preset.
std::optional<DomainPreset> domainPresetFromRaw(const QString &raw);
// Every preset, in its declared order.
const std::vector<DomainPreset> &allDomainPresets();

// "streakEditor.domains.set.<raw>"
QString labelKey(DomainPreset preset);
// The preset's hosts in their fixed order, bare (no scheme, "www." or path).
const QStringList &domains(DomainPreset preset);
// The entered list unchanged, followed by the preset's hosts it does not
// already name (however the user spelled them).
QStringList merged(DomainPreset preset, const QStringList &entered);

} // namespace halvex
