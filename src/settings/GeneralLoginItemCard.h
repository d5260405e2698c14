#pragma once

#include <functional>
#include <memory>
#include <optional>

#include <QWidget>

namespace fennimar {
class LaunchAtLoginBackend;
}

namespace halvex {

class AppSettings;
class KitLabel;
class ModelContext;
class SecondaryButton;
class ToggleRow;

// The "Open at login" card. Its switch shows the settings record's flag, not
// the session's own state: flipping it registers or unregisters the login
// item and stores what the session then reports. A failure is told below the
// switch; one that waits for the user's approval also offers the desktop's
// startup-applications settings (an autostart entry needs none, other
// backends may). With a pending binding the switch only records the wish,
// which its owner applies later, and the card touches nothing else.
// Controls are named `idPrefix` + ".loginItem", ".loginItem.error" and
// ".loginItem.openLoginItems".
class GeneralLoginItemCard final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GeneralLoginItemCard)
public:
    struct PendingBinding {
        std::function<bool()> read;
        std::function<void(bool)> write;
    };

    GeneralLoginItemCard(std::shared_ptr<AppSettings> settings, ModelContext &context,
                         fennimar::LaunchAtLoginBackend &loginItem, const QString &idPrefix,
                         std::optional<PendingBinding> pendingIsOn = std::nullopt,
                         QWidget *parent = nullptr);

    ToggleRow *toggleRow() const { return m_toggle; }

    // What a flip of the switch does.
    void setLoginItemOn(bool on);

protected:
    void changeEvent(QEvent *event) override;

private:
    bool shownValue() const;
    void showState();
    void retranslate();

    std::shared_ptr<AppSettings> m_settings;
    ModelContext &m_context;
    fennimar::LaunchAtLoginBackend &m_loginItem;
    std::optional<PendingBinding> m_pending;
    std::optional<QString> m_error;
    bool m_needsApproval = false;
    ToggleRow *m_toggle;
    KitLabel *m_errorLabel;
    SecondaryButton *m_openLoginItems;
};

} // namespace halvex
