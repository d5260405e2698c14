#pragma once

#include <QWidget>

#include "settings/SettingsDependencies.h"
#include "settings/SettingsTab.h"

namespace halvex {

class HalvexSettingsSidebar;
class SettingsRouter;

// The settings window's content: the sidebar on the left, a divider, and
// the selected section on the right, 16 in from every side. A section's page
// is built when it is selected and dropped when another one is, so each
// visit starts fresh.
class SettingsRootView final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SettingsRootView)
public:
    static constexpr int contentPadding = 16;
    static constexpr QSize minimumSize{680, 480};

    // Both must outlive the view.
    SettingsRootView(const SettingsDependencies &dependencies, SettingsRouter &router,
                     QWidget *parent = nullptr);

    HalvexSettingsSidebar *sidebar() const { return m_sidebar; }
    QWidget *page() const { return m_page; }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    void showTab(SettingsTab tab);
    QWidget *makePage(SettingsTab tab);

    const SettingsDependencies &m_dependencies;
    HalvexSettingsSidebar *m_sidebar;
    QWidget *m_content;
    QWidget *m_page = nullptr;
};

} // namespace halvex
