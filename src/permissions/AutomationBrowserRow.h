#pragma once

#include <functional>
#include <optional>

#include <QWidget>

#include "kit/AutomationStatus.h"

namespace halvex {

class ActivityIndicator;
class KitLabel;
class SecondaryButton;
class SymbolView;

// One browser on a permissions screen: its name and, under it, the
// installed browser's own identifier (none where none is installed), whether
// Halvex can read it as far as this screen knows, and the button that runs
// the test. The row keeps no state: its owner sets the status, and the note,
// a reason the browser cannot be read now that the user can act on.
//
// Identifiers: "onboarding.automation.row" (the row; its "bundleIdentifier"
// property names the browser by its catalogue identifier),
// "onboarding.automation.testConnection" (the button),
// "onboarding.automation.status", "onboarding.automation.identifier" and
// "onboarding.automation.note".
class AutomationBrowserRow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AutomationBrowserRow)
public:
    enum class RowStatus { notTested, testing, granted, denied, notInstalled };

    static constexpr int iconSize = 16;
    static constexpr int spacing = 12;
    static constexpr int statusHeight = 30;
    static constexpr qreal cornerRadius = 8.0;

    // `installedId`: the desktop-file id of the installed browser; empty
    // leaves the line under the name out.
    AutomationBrowserRow(const QString &name, const QString &bundleId, const QString &installedId,
                         RowStatus status, std::function<void()> onTest, QWidget *parent = nullptr);

    const QString &bundleId() const { return m_bundleId; }
    RowStatus status() const { return m_status; }
    void setStatus(RowStatus status);
    void setNote(const std::optional<QString> &note);
    // The last answer, unless the browser runs but cannot be read: then it
    // shows as refused with `reason` as the note, whatever its permission.
    // A test under way shows as such.
    void show(RowStatus answer, bool unreadable, const std::optional<QString> &reason);

    static QString statusText(RowStatus status);
    // What a settled probe answer shows: not yet determined reads as not tested.
    static RowStatus statusOf(fennimar::AutomationStatus status);

    SecondaryButton *testButton() const { return m_test; }
    KitLabel *statusLabel() const { return m_statusText; }
    KitLabel *noteLabel() const { return m_note; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool event(QEvent *event) override;

private:
    void apply();

    QString m_bundleId;
    RowStatus m_status;
    SymbolView *m_icon;
    SymbolView *m_check;
    ActivityIndicator *m_spinner;
    KitLabel *m_statusText;
    SecondaryButton *m_test;
    KitLabel *m_note;
};

} // namespace halvex
