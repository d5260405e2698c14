#pragma once

#include <functional>
#include <memory>
#include <vector>

#include <QFuture>

#include "settings/SettingsDependencies.h"
#include "settings/SettingsScrollPage.h"

namespace halvex {

class AppSettings;
class ToggleRow;

// The General section: theme, language, open at login, the notification
// sound and the weekly recap, all over the settings record. A switch writes
// its field, saves (a failed save stays silent and the value stays in
// memory), then re-plans the notifications that depend on it: the sound
// re-plans every streak's milestones and the digest, the recap the digest.
// The re-planning runs to its end even when the window closes. Without a
// settings record the section shows only its heading, until one appears.
class GeneralTab final : public SettingsScrollPage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GeneralTab)
public:
    using Step = std::function<QFuture<void>()>;

    explicit GeneralTab(const SettingsDependencies &dependencies, QWidget *parent = nullptr);

    // The record shown, or null when the store has none.
    const std::shared_ptr<AppSettings> &settings() const { return m_settings; }

    void setNotificationSoundEnabled(bool on);
    void setWeeklyDigestEnabled(bool on);

    // Runs each step once the previous one's future has finished (also when
    // it was cancelled), on the main thread; an empty step is skipped.
    static void runInOrder(std::vector<Step> steps);

protected:
    void changeEvent(QEvent *event) override;

private:
    void rebuild();
    void showStoredValues();
    void retranslate();

    const SettingsDependencies m_dependencies;
    std::shared_ptr<AppSettings> m_settings;
    QWidget *m_cards = nullptr;
    ToggleRow *m_sound = nullptr;
    ToggleRow *m_digest = nullptr;
};

} // namespace halvex
