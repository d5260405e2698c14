#include "kit/AppActiveRefreshObserver.h"

#include <QGuiApplication>

namespace fennimar {

AppActiveRefreshObserver::AppActiveRefreshObserver(std::function<void()> handler, QObject *parent)
    : QObject(parent)
    , m_handler(std::move(handler))
{
    if (!qGuiApp)
        return;
    m_token = connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
                      [this](Qt::ApplicationState state) {
                          if (state != Qt::ApplicationActive)
                              return;
                          // Queued on this object: dropped if it is gone by then.
                          QMetaObject::invokeMethod(
                              this,
                              [this] {
                                  if (m_handler)
                                      m_handler();
                              },
                              Qt::QueuedConnection);
                      });
}

AppActiveRefreshObserver::~AppActiveRefreshObserver()
{
    if (m_token)
        disconnect(m_token);
}

} // namespace fennimar
