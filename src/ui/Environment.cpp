#include "ui/Environment.h"

#include <QApplication>
#include <QPointer>
#include <QVariant>
#include <QWidget>

namespace halvex {

namespace {

constexpr const char *paddingKey = "_halvex_controlVerticalPadding";
constexpr const char *presenterKey = "_halvex_modalPanelPresenter";

struct PresenterBox {
    Environment::ModalPanelPresenter presenter;
};

Appearance g_applicationAppearance = Appearance::light;

QVariant inherited(const QWidget *widget, const char *key)
{
    for (const QWidget *w = widget; w; w = w->parentWidget()) {
        QVariant value = w->property(key);
        if (value.isValid())
            return value;
    }
    return {};
}

} // namespace

} // namespace halvex

Q_DECLARE_METATYPE(halvex::PresenterBox)

namespace halvex {

qreal Environment::controlVerticalPadding(const QWidget *widget)
{
    const QVariant value = inherited(widget, paddingKey);
    return value.isValid() ? value.toReal() : defaultControlVerticalPadding;
}

void Environment::setControlVerticalPadding(QWidget *subtree, qreal padding)
{
    subtree->setProperty(paddingKey, padding);
    notifyChanged(subtree);
}

void Environment::clearControlVerticalPadding(QWidget *subtree)
{
    subtree->setProperty(paddingKey, QVariant());
    notifyChanged(subtree);
}

Environment::ModalPanelPresenter Environment::modalPanelPresenter(const QWidget *widget)
{
    const QVariant value = inherited(widget, presenterKey);
    return value.isValid() ? value.value<PresenterBox>().presenter : ModalPanelPresenter();
}

void Environment::setModalPanelPresenter(QWidget *subtree, ModalPanelPresenter presenter)
{
    subtree->setProperty(presenterKey, presenter
                                           ? QVariant::fromValue(PresenterBox{std::move(presenter)})
                                           : QVariant());
    notifyChanged(subtree);
}

Appearance Environment::appearance(const QWidget *)
{
    return g_applicationAppearance;
}

Appearance Environment::applicationAppearance()
{
    return g_applicationAppearance;
}

void Environment::setApplicationAppearance(Appearance appearance)
{
    if (appearance == g_applicationAppearance)
        return;
    g_applicationAppearance = appearance;
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return;
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows)
        notifyChanged(window);
}

QEvent::Type Environment::changeEventType()
{
    static const auto type = QEvent::Type(QEvent::registerEventType());
    return type;
}

bool Environment::isChange(const QEvent *event)
{
    return event->type() == changeEventType();
}

void Environment::notifyChanged(QWidget *subtree)
{
    QEvent event(changeEventType());
    QCoreApplication::sendEvent(subtree, &event);
    // A handler may rebuild its children; skip those gone by their turn.
    QList<QPointer<QWidget>> descendants;
    for (QWidget *w : subtree->findChildren<QWidget *>())
        descendants.append(w);
    for (const QPointer<QWidget> &w : descendants) {
        if (!w)
            continue;
        QEvent childEvent(changeEventType());
        QCoreApplication::sendEvent(w, &childEvent);
    }
}

} // namespace halvex
