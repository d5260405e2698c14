#pragma once

#include <QObject>

#include "settings/SettingsTab.h"

namespace halvex {

// The one place the settings window's selected section lives: the sidebar
// writes it, the content follows it, and showing the open window on another
// section writes it too.
class SettingsRouter final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SettingsRouter)
public:
    explicit SettingsRouter(SettingsTab selectedTab, QObject *parent = nullptr)
        : QObject(parent)
        , m_selectedTab(selectedTab)
    {}

    SettingsTab selectedTab() const { return m_selectedTab; }
    // Announces only a real change.
    void setSelectedTab(SettingsTab tab)
    {
        if (tab == m_selectedTab)
            return;
        m_selectedTab = tab;
        emit selectedTabChanged(tab);
    }

signals:
    void selectedTabChanged(halvex::SettingsTab tab);

private:
    SettingsTab m_selectedTab;
};

} // namespace halvex
