#pragma once

#include <functional>
#include <optional>

#include <QWidget>

#include "permissions/PermissionStatus.h"

namespace halvex {

class ActivityIndicator;
class KitLabel;
class SecondaryButton;
class SymbolView;

// One permission in a card: its symbol and name, an optional line that
// explains it, its status and the button that fixes it. The card keeps no
// state of its own: its owner hands it what to show (setModel()) and what
// the fix does. Granted, it shows a check mark and the status text and no
// button; otherwise a spinner while a request runs, else the status text
// when one is given, then the fix button, disabled while the request runs.
// Assistive tools read it as its name and the status text shown (the
// default one when none is given).
class PermissionStatusCard final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PermissionStatusCard)
public:
    struct Model {
        QString icon{};
        QString name{};
        std::optional<QString> detail{};
        PermissionStatus status = PermissionStatus::unchecked;
        std::optional<QString> statusText{};
        bool isRequesting = false;
        QString fixTitle{};
        // The fix button's identifier; none leaves it unnamed.
        std::optional<QString> fixIdentifier{};
    };

    static constexpr int padding = 16;
    static constexpr int spacing = 12;
    static constexpr int iconSize = 16;
    static constexpr int statusHeight = 30;
    static constexpr qreal cornerRadius = 8.0;

    PermissionStatusCard(Model model, std::function<void()> onFix, QWidget *parent = nullptr);

    const Model &model() const { return m_model; }
    void setModel(Model model);

    // The text for a status when the owner gives none.
    static QString defaultStatusText(PermissionStatus status);
    // The fix button's title: to the settings once refused, else a request.
    static QString defaultFixTitle(PermissionStatus status);
    // The accessibility card: the same name, symbol and explanation on every
    // screen; each screen gives its status wording and fix identifier.
    static Model accessibilityModel(PermissionStatus status, std::optional<QString> statusText,
                                    QString fixIdentifier);
    // What is shown, or read out, as the status.
    QString shownStatusText() const;

    SecondaryButton *fixButton() const { return m_fix; }
    ActivityIndicator *spinner() const { return m_spinner; }
    KitLabel *statusLabel() const { return m_status; }
    SymbolView *checkMark() const { return m_check; }
    KitLabel *detailLabel() const { return m_detail; }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    void apply();

    Model m_model;
    SymbolView *m_icon;
    KitLabel *m_name;
    SymbolView *m_check;
    ActivityIndicator *m_spinner;
    KitLabel *m_status;
    SecondaryButton *m_fix;
    KitLabel *m_detail;
};

} // namespace halvex
