#pragma once

#include <functional>
#include <optional>

#include <QDBusConnection>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

namespace testing {

// Another process's widgets as a screen reader sees them: its tree on the
// AT-SPI accessibility bus (see DesktopHarness::startAccessibilityBus), so
// an end-to-end test finds what to click by role and visible text and clicks
// it with the real pointer. Only elements on screen (those with extents) are
// searched; the process's windows are walked in the order it lists them.
//
//   testing::AccessibleUi ui(m_desktop.accessibilityBusAddress(), halvex->processId());
//   const auto button = ui.find({.role = "push button", .name = "Continue"});
//   QVERIFY(button && m_desktop.click(ui.centre(*button)));
class AccessibleUi final {
public:
    struct Element {
        QString service;
        QString path;
        friend bool operator==(const Element &, const Element &) = default;
    };
    // Empty fields match anything. role is the AT-SPI role name ("push
    // button", "check box", "label", "text", "frame", …).
    struct Match {
        QString role = {};
        QString name = {};
        // The name contains `name` rather than equals it.
        bool partialName = false;
        // Searches only under this element (a window found before).
        std::optional<Element> within = {};
    };

    AccessibleUi(const QString &busAddress, qint64 processIdentifier);
    ~AccessibleUi();
    AccessibleUi(const AccessibleUi &) = delete;
    AccessibleUi &operator=(const AccessibleUi &) = delete;

    // The process's application on the bus, once it has registered there.
    std::optional<Element> application();

    // The first element on screen that matches, depth first.
    std::optional<Element> find(const Match &match);
    // Every element on screen that matches.
    QList<Element> findAll(const Match &match);

    QString name(const Element &element) const;
    QString roleName(const Element &element) const;
    QList<Element> children(const Element &element) const;
    std::optional<Element> parent(const Element &element) const;
    // Whether it takes input now (a disabled button does not).
    bool isEnabled(const Element &element) const;
    // In screen pixels; empty when the element has none or is gone.
    QRect extents(const Element &element) const;
    QPoint centre(const Element &element) const { return extents(element).center(); }
    // What of the element its ancestors leave on screen: a row scrolled
    // half out of its scroll area is cut at the area's edge.
    QRect visibleExtents(const Element &element) const;
    // The nearest ancestor that cuts the element off (the scroll area to
    // scroll), if any.
    std::optional<Element> clippingAncestor(const Element &element) const;

    // One line per element on screen ("  role 'name' [x,y w×h]"), indented
    // by depth: what a failed search had to choose from.
    QString dump();

private:
    void walk(const Element &element, int depth,
              const std::function<bool(const Element &, int depth)> &visit) const;
    QList<Element> search(const Match &match, bool firstOnly);

    QString m_connectionName;
    QDBusConnection m_bus;
    qint64 m_processIdentifier;
    std::optional<Element> m_application;
};

} // namespace testing
