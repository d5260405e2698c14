#include "kit/DistributionChannel.h"

#include <QFileInfo>

namespace fennimar {

QString raw(DistributionChannel channel)
{
    switch (channel) {
    case DistributionChannel::direct:
        return QStringLiteral("direct");
    case DistributionChannel::appStore:
        return QStringLiteral("appStore");
    }
    return QStringLiteral("direct");
}

std::optional<DistributionChannel> distributionChannelFromRaw(const QString &raw)
{
    for (DistributionChannel c : {DistributionChannel::direct, DistributionChannel::appStore}) {
        if (fennimar::raw(c) == raw)
            return c;
    }
    return std::nullopt;
}

DistributionChannel currentDistributionChannel(const platform::Bundle &bundle)
{
    const QString receipt = bundle.filePath(QStringLiteral("Contents/_MASReceipt/receipt"));
    return QFileInfo::exists(receipt) ? DistributionChannel::appStore : DistributionChannel::direct;
}

DistributionChannel currentDistributionChannel()
{
    return currentDistributionChannel(platform::Bundle::main());
}

} // namespace fennimar
