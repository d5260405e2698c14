#include "settings/SettingsRootView.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>

#include "settings/AboutTab.h"
#include "settings/GeneralTab.h"
#include "settings/HalvexSettingsSidebar.h"
#include "settings/SettingsRouter.h"
#include "settings/SettingsScrollPage.h"
#include "ui/Color.h"
#include "ui/Environment.h"
#include "ui/KitLabel.h"

namespace halvex {

namespace {

// The Permissions section until the application hands in its page: the
// heading alone.
class PermissionsHeading final : public SettingsScrollPage {
public:
    PermissionsHeading()
    {
        setObjectName(QStringLiteral("settings.permissions"));
        heading()->setText(title(SettingsTab::permissions));
    }

protected:
    void changeEvent(QEvent *event) override
    {
        if (event->type() == QEvent::LanguageChange)
            heading()->setText(title(SettingsTab::permissions));
        SettingsScrollPage::changeEvent(event);
    }
};

class VerticalDivider final : public QWidget {
public:
    explicit VerticalDivider(QWidget *parent)
        : QWidget(parent)
    {
        setFixedWidth(1);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter(this).fillRect(rect(), Color::divider().resolve(this));
    }
};

} // namespace

SettingsRootView::SettingsRootView(const SettingsDependencies &dependencies, SettingsRouter &router,
                                   QWidget *parent)
    : QWidget(parent)
    , m_dependencies(dependencies)
{
    setObjectName(QStringLiteral("settings.root"));
    setMinimumSize(minimumSize);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_sidebar = new HalvexSettingsSidebar(router, dependencies.tipJar, this);
    m_sidebar->setFixedWidth(HalvexSettingsSidebar::width);
    layout->addWidget(m_sidebar);
    layout->addWidget(new VerticalDivider(this));
    m_content = new QWidget(this);
    auto *content = new QVBoxLayout(m_content);
    content->setContentsMargins(contentPadding, contentPadding, contentPadding, contentPadding);
    content->setSpacing(0);
    layout->addWidget(m_content, 1);

    connect(&router, &SettingsRouter::selectedTabChanged, this, &SettingsRootView::showTab);
    showTab(router.selectedTab());
}

void SettingsRootView::showTab(SettingsTab tab)
{
    if (m_page) {
        // Later: the click that switched may still be on its way out of the
        // old page. Hidden now, so the page lets go of what it shows.
        m_page->hide();
        m_page->deleteLater();
    }
    m_page = makePage(tab);
    m_content->layout()->addWidget(m_page);
    m_page->show();
}

QWidget *SettingsRootView::makePage(SettingsTab tab)
{
    switch (tab) {
    case SettingsTab::general:
        return new GeneralTab(m_dependencies, m_content);
    case SettingsTab::permissions:
        if (m_dependencies.permissionsPage) {
            if (QWidget *page = m_dependencies.permissionsPage()) {
                page->setParent(m_content);
                return page;
            }
        }
        return new PermissionsHeading;
    case SettingsTab::about:
        return new AboutTab(m_dependencies.updates, m_dependencies.workspace, m_content);
    }
    return new QWidget(m_content);
}

void SettingsRootView::paintEvent(QPaintEvent *)
{
    QPainter(this).fillRect(rect(), Color::background().resolve(this));
}

bool SettingsRootView::event(QEvent *event)
{
    if (Environment::isChange(event))
        update();
    return QWidget::event(event);
}

} // namespace halvex
