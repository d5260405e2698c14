#include "kit/TipJar.h"

namespace fennimar {

QUrl TipJar::url()
{
    static const QUrl page(QStringLiteral("https://tips.fennimar.example/fennimar"));
    return page;
}

void TipJar::open(const QString &source) const
{
    m_telemetry.track(QStringLiteral("tip.open"), {{QStringLiteral("from"), source}});
    // The desktop's handler decides what becomes of the page; nothing to report.
    (void)m_workspace.openUrl(url());
}

} // namespace fennimar
