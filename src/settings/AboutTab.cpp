#include "settings/AboutTab.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

#include "editor/DividerLine.h"
#include "kit/AppVersion.h"
#include "kit/DistributionChannel.h"
#include "kit/LegalLinks.h"
#include "kit/TipJar.h"
#include "kit/UpdateChecker.h"
#include "platform/Workspace.h"
#include "ui/ActivityIndicator.h"
#include "ui/BrandMark.h"
#include "ui/Color.h"
#include "ui/Environment.h"
#include "ui/KitLabel.h"
#include "ui/PointingHandCursor.h"
#include "ui/PrimaryButton.h"
#include "ui/SecondaryButton.h"
#include "ui/SettingsCard.h"
#include "ui/Symbol.h"
#include "ui/Typography.h"

namespace halvex {

namespace {

constexpr qreal chromeRadius = 8.0;
constexpr int symbolFrame = 20;

// A card's frame without padding: the surface behind, 8-point corners and a
// divider outline. What it holds draws inside the outline or, like the
// dividers between link rows, in the outline's own colour.
class AboutCardChrome final : public QWidget {
public:
    explicit AboutCardChrome(QWidget *parent = nullptr)
        : QWidget(parent)
    {}

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Color::divider().resolve(this), 1.0));
        p.setBrush(Color::surface().resolve(this));
        p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), chromeRadius,
                          chromeRadius);
    }
    bool event(QEvent *event) override
    {
        if (Environment::isChange(event))
            update();
        return QWidget::event(event);
    }
};

QPainterPath roundedShape(const QRectF &r, qreal radius, Qt::Edges edges)
{
    QPainterPath path;
    const qreal top = edges & Qt::TopEdge ? radius : 0;
    const qreal bottom = edges & Qt::BottomEdge ? radius : 0;
    path.moveTo(r.left(), r.top() + top);
    if (top > 0)
        path.arcTo(QRectF(r.left(), r.top(), 2 * top, 2 * top), 180, -90);
    path.lineTo(r.right() - top, r.top());
    if (top > 0)
        path.arcTo(QRectF(r.right() - 2 * top, r.top(), 2 * top, 2 * top), 90, -90);
    path.lineTo(r.right(), r.bottom() - bottom);
    if (bottom > 0)
        path.arcTo(QRectF(r.right() - 2 * bottom, r.bottom() - 2 * bottom, 2 * bottom, 2 * bottom),
                   0, -90);
    path.lineTo(r.left() + bottom, r.bottom());
    if (bottom > 0)
        path.arcTo(QRectF(r.left(), r.bottom() - 2 * bottom, 2 * bottom, 2 * bottom), 270, -90);
    path.closeSubpath();
    return path;
}

struct Link {
    const char *symbol;
    const char *id;
    QUrl destination;
};

QString linkTitle(const QString &id)
{
    if (id == u"settings.about.link.website") {
        //% "Website"
        return qtTrId("settings.about.website");
    }
    if (id == u"settings.about.link.privacy") {
        //% "Privacy policy"
        return qtTrId("settings.about.privacy");
    }
    if (id == u"settings.about.link.terms") {
        //% "Terms of service"
        return qtTrId("settings.about.terms");
    }
    if (id == u"settings.about.link.support") {
        //% "Email support (%1)"
        return qtTrId("settings.about.support").arg(fennimar::LegalLinks::supportAddress());
    }
    if (id == u"settings.about.link.feedback") {
        //% "Send feedback"
        return qtTrId("settings.about.feedback");
    }
    if (id == u"settings.about.link.tip") {
        //% "Buy me a coffee"
        return qtTrId("settings.about.tip");
    }
    //% "More apps"
    return qtTrId("settings.about.more_apps");
}

} // namespace

AboutLinkRow::AboutLinkRow(const QString &symbol, QUrl destination, platform::Workspace &workspace,
                           QWidget *parent)
    : QAbstractButton(parent)
    , m_symbol(symbol)
    , m_destination(std::move(destination))
{
    setFont(Typography::body13Medium());
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    HoverPointingHandCursor::apply(this);
    connect(this, &QAbstractButton::clicked, this,
            [this, &workspace] { static_cast<void>(workspace.openUrl(m_destination)); });
}

QSize AboutLinkRow::sizeHint() const
{
    const QFontMetrics fm(font());
    return {12 + symbolFrame + 8 + fm.horizontalAdvance(text()) + 8 + 8 + 10 + 12,
            fm.height() + 16};
}

void AboutLinkRow::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    if (m_hovering) {
        p.setPen(Qt::NoPen);
        p.setBrush(Color::accent().withOpacity(hoverFillOpacity).resolve(this));
        // Inside the card's outline.
        const QRectF inside = QRectF(rect()).adjusted(1, m_roundedEdges & Qt::TopEdge ? 1 : 0, -1,
                                                      m_roundedEdges & Qt::BottomEdge ? -1 : 0);
        p.drawPath(roundedShape(inside, chromeRadius - 1, m_roundedEdges));
    }
    const QRect content = rect().adjusted(12, 0, -12, 0);
    const int symbolSize = Symbol::sizeForFont(font().pixelSize());
    Symbol::paint(p,
                  QRect(content.left() + (symbolFrame - symbolSize) / 2,
                        (height() - symbolSize) / 2, symbolSize, symbolSize),
                  m_symbol, Color::accent().resolve(this));
    constexpr int arrowSize = 10;
    const QRect arrow(content.right() - arrowSize + 1, (height() - arrowSize) / 2, arrowSize,
                      arrowSize);
    Symbol::paint(p, arrow, QStringLiteral("arrow.up.right"), Color::inkMuted().resolve(this));
    const QRect title = content.adjusted(symbolFrame + 8, 0, -(arrowSize + 8), 0);
    p.setFont(font());
    p.setPen(Color::ink().resolve(this));
    p.drawText(title, Qt::AlignLeft | Qt::AlignVCenter,
               p.fontMetrics().elidedText(text(), Qt::ElideRight, title.width()));
}

void AboutLinkRow::enterEvent(QEnterEvent *event)
{
    m_hovering = true;
    update();
    QAbstractButton::enterEvent(event);
}

void AboutLinkRow::leaveEvent(QEvent *event)
{
    m_hovering = false;
    update();
    QAbstractButton::leaveEvent(event);
}

bool AboutLinkRow::event(QEvent *event)
{
    if (Environment::isChange(event))
        update();
    return QAbstractButton::event(event);
}

AboutTab::AboutTab(fennimar::UpdateChecker &updates, platform::Workspace &workspace,
                   QWidget *parent)
    : SettingsScrollPage(parent)
    , m_updates(updates)
{
    setObjectName(QStringLiteral("settings.about"));
    column()->addWidget(buildIdentity());
    column()->addWidget(buildUpdates());
    column()->addWidget(buildLinks(workspace));
    m_copyright = new KitLabel(QString(), Typography::caption11(), Color::inkSubtle());
    m_copyright->setObjectName(QStringLiteral("settings.about.copyright"));
    m_copyright->setContentsMargins(12, 0, 0, 0);
    column()->addWidget(m_copyright);

    connect(&m_updates, &fennimar::UpdateChecker::stateChanged, this, &AboutTab::showUpdateState);
    retranslate();
}

QWidget *AboutTab::buildIdentity()
{
    auto *row = new QWidget;
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(16);
    layout->addWidget(BrandMark::square(64, row), 0, Qt::AlignVCenter);
    auto *texts = new QVBoxLayout;
    texts->setContentsMargins(0, 0, 0, 0);
    texts->setSpacing(2);
    // The name is the product's, the same in every language.
    auto *name =
        new KitLabel(QStringLiteral("Halvex"), Typography::title22Semibold(), Color::ink(), row);
    name->setObjectName(QStringLiteral("settings.about.name"));
    texts->addWidget(name);
    m_version = new KitLabel(QString(), Typography::body13(), Color::inkMuted(), row);
    m_version->setObjectName(QStringLiteral("settings.about.version"));
    m_version->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    texts->addWidget(m_version);
    m_byline = new KitLabel(QString(), Typography::body13(), Color::inkMuted(), row);
    m_byline->setWordWrap(true);
    texts->addWidget(m_byline);
    layout->addLayout(texts, 1);
    return new SettingsCard(16, row);
}

QWidget *AboutTab::buildUpdates()
{
    auto *section = new QWidget;
    auto *layout = new QVBoxLayout(section);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    m_updatesHeading =
        new KitLabel(QString(), Typography::headline17Semibold(), Color::ink(), section);
    layout->addWidget(m_updatesHeading);

    auto *chrome = new AboutCardChrome(section);
    auto *row = new QHBoxLayout(chrome);
    row->setContentsMargins(12, 8, 12, 8);
    row->setSpacing(8);
    auto *symbol = new SymbolView(QStringLiteral("arrow.triangle.2.circlepath"),
                                  Symbol::sizeForFont(13), Color::accent(), chrome);
    symbol->setFixedWidth(symbolFrame);
    row->addWidget(symbol, 0, Qt::AlignVCenter);
    auto *texts = new QVBoxLayout;
    texts->setSpacing(2);
    m_updateTitle = new KitLabel(QString(), Typography::body13Medium(), Color::ink(), chrome);
    texts->addWidget(m_updateTitle);
    m_status = new KitLabel(QString(), Typography::caption11(), Color::inkMuted(), chrome);
    m_status->setObjectName(QStringLiteral("settings.about.updateStatus"));
    m_status->setWordWrap(true);
    texts->addWidget(m_status);
    row->addLayout(texts, 1);
    row->addSpacing(12 - row->spacing());
    m_progress = new ActivityIndicator(Color::inkMuted(), chrome);
    row->addWidget(m_progress, 0, Qt::AlignVCenter);
    m_check =
        new SecondaryButton({.action = [this] { m_updates.check(); }, .compact = true}, chrome);
    row->addWidget(m_check, 0, Qt::AlignVCenter);
    m_install = new PrimaryButton(
        {.action = [this] { m_updates.presentUpdater(); }, .compact = true}, chrome);
    m_install->setObjectName(QStringLiteral("settings.about.installUpdate"));
    row->addWidget(m_install, 0, Qt::AlignVCenter);
    layout->addWidget(chrome);
    return section;
}

QWidget *AboutTab::buildLinks(platform::Workspace &workspace)
{
    using fennimar::LegalLinks;
    const QList<Link> links{
        {"globe", "settings.about.link.website", LegalLinks::appPage(slug)},
        {"lock.shield", "settings.about.link.privacy", LegalLinks::privacy()},
        {"doc.text", "settings.about.link.terms", LegalLinks::terms()},
        {"envelope", "settings.about.link.support", LegalLinks::supportMail()},
        {"exclamationmark.bubble", "settings.about.link.feedback",
         LegalLinks::feedback(slug, fennimar::AppVersion::current(),
                              fennimar::currentDistributionChannel())},
        // Straight to the page: only the sidebar's row is counted.
        {"cup.and.saucer", "settings.about.link.tip", fennimar::TipJar::url()},
        {"arrow.up.right", "settings.about.link.more_apps", LegalLinks::moreApps()},
    };

    auto *section = new QWidget;
    auto *layout = new QVBoxLayout(section);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    m_linksHeading =
        new KitLabel(QString(), Typography::headline17Semibold(), Color::ink(), section);
    layout->addWidget(m_linksHeading);
    auto *chrome = new AboutCardChrome(section);
    auto *rows = new QVBoxLayout(chrome);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(0);
    for (qsizetype i = 0; i < links.size(); ++i) {
        if (i > 0)
            rows->addWidget(new DividerLine(chrome));
        auto *row = new AboutLinkRow(QString::fromLatin1(links[i].symbol), links[i].destination,
                                     workspace, chrome);
        row->setObjectName(QString::fromLatin1(links[i].id));
        Qt::Edges edges;
        if (i == 0)
            edges |= Qt::TopEdge;
        if (i == links.size() - 1)
            edges |= Qt::BottomEdge;
        row->setRoundedEdges(edges);
        rows->addWidget(row);
        m_links << row;
    }
    layout->addWidget(chrome);
    return section;
}

void AboutTab::showUpdateState()
{
    using Kind = fennimar::UpdateChecker::State::Kind;
    const fennimar::UpdateChecker::State state = m_updates.state();
    switch (state.kind) {
    case Kind::idle:
        //% "See whether a newer version is out."
        m_status->setText(qtTrId("about.check_updates.idle"));
        break;
    case Kind::checking:
        //% "Checking for updates…"
        m_status->setText(qtTrId("about.check_updates.checking"));
        break;
    case Kind::upToDate:
        //% "Halvex %1 is the newest version."
        m_status->setText(qtTrId("about.check_updates.up_to_date").arg(state.version));
        break;
    case Kind::updateAvailable:
        //% "Version %1 is available."
        m_status->setText(qtTrId("about.check_updates.available").arg(state.version));
        break;
    case Kind::failed:
        //% "Couldn't check for updates. Your package manager brings new versions."
        m_status->setText(qtTrId("about.check_updates.failed"));
        break;
    }
    m_progress->setVisible(state.kind == Kind::checking);
    m_install->setVisible(state.kind == Kind::updateAvailable);
    m_check->setVisible(state.kind != Kind::updateAvailable);
    m_check->setEnabled(state.kind != Kind::checking);
    if (state.kind == Kind::failed) {
        //% "Retry"
        m_check->setText(qtTrId("about.check_updates.retry"));
        m_check->setObjectName(QString());
    } else {
        //% "Check now"
        m_check->setText(qtTrId("about.check_updates"));
        m_check->setObjectName(QStringLiteral("settings.about.checkUpdates"));
    }
}

void AboutTab::retranslate()
{
    //% "About"
    heading()->setText(qtTrId("settings.tab.about"));
    //% "Version %1"
    m_version->setText(qtTrId("about.panel.version").arg(fennimar::AppVersion::current()));
    //% "Made with care by Fennimar."
    m_byline->setText(qtTrId("settings.about.byline"));
    //% "Updates"
    m_updatesHeading->setText(qtTrId("settings.about.updates_heading"));
    //% "Software updates"
    m_updateTitle->setText(qtTrId("about.check_updates.title"));
    //% "Install"
    m_install->setText(qtTrId("about.check_updates.install"));
    //% "Links"
    m_linksHeading->setText(qtTrId("settings.about.links_heading"));
    for (AboutLinkRow *row : std::as_const(m_links)) {
        row->setText(linkTitle(row->objectName()));
        row->setAccessibleName(row->text());
    }
    //% "© 2026 Fennimar. All rights reserved."
    m_copyright->setText(qtTrId("settings.about.copyright"));
    showUpdateState();
}

void AboutTab::hideEvent(QHideEvent *event)
{
    // Leaving the section or closing the window, not minimising it.
    if (!event->spontaneous())
        m_updates.reset();
    SettingsScrollPage::hideEvent(event);
}

void AboutTab::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    SettingsScrollPage::changeEvent(event);
}

} // namespace halvex
