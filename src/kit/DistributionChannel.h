#pragma once

#include <optional>

#include <QString>

#include "platform/Bundle.h"

namespace fennimar {

// How this copy of the application reached its user.
enum class DistributionChannel { direct, appStore };

QString raw(DistributionChannel channel);
// Exactly the two raw values; anything else is nothing.
std::optional<DistributionChannel> distributionChannelFromRaw(const QString &raw);

// A store copy carries its receipt inside the application's folder; the file
// system is read on every call.
DistributionChannel currentDistributionChannel(const platform::Bundle &bundle);
DistributionChannel currentDistributionChannel();

} // namespace fennimar
