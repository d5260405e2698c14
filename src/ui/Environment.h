#pragma once

#include <functional>

#include <QEvent>

#include "model/AppSettings.h"

class QWidget;

namespace halvex {

// Values that flow down the widget tree: a widget reads the value set on
// itself or on its nearest ancestor, else the default. Setting a value
// sends changeEventType() to the widget and every descendant, so controls
// that read it can lay out again; a reparented widget reads afresh.
class Environment final {
public:
    static constexpr qreal defaultControlVerticalPadding = 13.0;

    // Runs the given work as a modal panel on behalf of the host of a tree.
    using ModalPanelPresenter = std::function<void(std::function<void()>)>;

    static qreal controlVerticalPadding(const QWidget *widget);
    static void setControlVerticalPadding(QWidget *subtree, qreal padding);
    static void clearControlVerticalPadding(QWidget *subtree);

    // Empty where no host installed one.
    static ModalPanelPresenter modalPanelPresenter(const QWidget *widget);
    static void setModalPanelPresenter(QWidget *subtree, ModalPanelPresenter presenter);

    // The appearance the application draws in. Changing it notifies every
    // widget of the application (the theme controller does this).
    static Appearance appearance(const QWidget *widget);
    static Appearance applicationAppearance();
    static void setApplicationAppearance(Appearance appearance);

    static QEvent::Type changeEventType();
    static bool isChange(const QEvent *event);
    // Sends the change event to `subtree` and all its descendants.
    static void notifyChanged(QWidget *subtree);
};

} // namespace halvex
