#pragma once

#include <QAbstractButton>
#include <QUrl>

#include "settings/SettingsScrollPage.h"

namespace fennimar {
class UpdateChecker;
}

namespace platform {
class Workspace;
}

namespace halvex {

class ActivityIndicator;
class KitLabel;
class PrimaryButton;
class SecondaryButton;

// One of the About section's web links: symbol, title and an outward arrow,
// tinted with the accent while hovered; a click hands the address to the
// desktop (the browser, or the mail program for a mail address).
class AboutLinkRow final : public QAbstractButton {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AboutLinkRow)
public:
    static constexpr qreal hoverFillOpacity = 0.1;

    AboutLinkRow(const QString &symbol, QUrl destination, platform::Workspace &workspace,
                 QWidget *parent = nullptr);

    const QUrl &destination() const { return m_destination; }
    bool isHovering() const { return m_hovering; }
    // The card's corners this row's hover tint follows.
    void setRoundedEdges(Qt::Edges edges) { m_roundedEdges = edges; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    bool event(QEvent *event) override;

private:
    QString m_symbol;
    QUrl m_destination;
    bool m_hovering = false;
    Qt::Edges m_roundedEdges;
};

// The About section: who the application is (icon, name, version, maker),
// the update check, the maker's links and the copyright line. The update
// row only shows the checker's state and calls it; nothing starts a check
// by itself, and leaving the section (or closing the window) resets the
// checker, abandoning a check in progress.
class AboutTab final : public SettingsScrollPage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AboutTab)
public:
    static inline const QString slug = QStringLiteral("halvex");

    AboutTab(fennimar::UpdateChecker &updates, platform::Workspace &workspace,
             QWidget *parent = nullptr);

    KitLabel *versionLine() const { return m_version; }
    KitLabel *updateStatusLine() const { return m_status; }
    SecondaryButton *checkButton() const { return m_check; }
    PrimaryButton *installButton() const { return m_install; }
    ActivityIndicator *progress() const { return m_progress; }

protected:
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QWidget *buildIdentity();
    QWidget *buildUpdates();
    QWidget *buildLinks(platform::Workspace &workspace);
    void showUpdateState();
    void retranslate();

    fennimar::UpdateChecker &m_updates;
    KitLabel *m_byline = nullptr;
    KitLabel *m_version = nullptr;
    KitLabel *m_updatesHeading = nullptr;
    KitLabel *m_updateTitle = nullptr;
    KitLabel *m_status = nullptr;
    ActivityIndicator *m_progress = nullptr;
    SecondaryButton *m_check = nullptr;
    PrimaryButton *m_install = nullptr;
    KitLabel *m_linksHeading = nullptr;
    QList<AboutLinkRow *> m_links;
    KitLabel *m_copyright = nullptr;
};

} // namespace halvex
