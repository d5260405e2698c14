#include "app/AppMenuCommands.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace halvex {

AppMenuCommands::AppMenuCommands(std::function<void()> showAbout, QObject *parent)
    : QObject(parent)
    , m_showAbout(std::move(showAbout))
    , m_about(new QAction(this))
    , m_help(new QAction(this))
{
    m_about->setObjectName(QStringLiteral("menu.about"));
    m_help->setObjectName(QStringLiteral("menu.help"));
    m_help->setShortcut(QKeySequence::HelpContents);
    m_help->setShortcutContext(Qt::WindowShortcut);
    for (QAction *action : {m_about, m_help}) {
        connect(action, &QAction::triggered, this, [this] {
            if (m_showAbout)
                m_showAbout();
        });
    }
    retranslate();
}

AppMenuCommands::~AppMenuCommands() = default;

void AppMenuCommands::install()
{
    qApp->installEventFilter(this);
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible())
            window->addActions({m_about, m_help});
    }
}

bool AppMenuCommands::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::LanguageChange && watched == qApp) {
        retranslate();
    } else if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto *widget = static_cast<QWidget *>(watched);
        // Adding an action a window already has changes nothing.
        if (widget->isWindow() &&
            !(widget->windowType() == Qt::Popup || widget->windowType() == Qt::ToolTip))
            widget->addActions({m_about, m_help});
    }
    return QObject::eventFilter(watched, event);
}

void AppMenuCommands::retranslate()
{
    //% "About Halvex"
    m_about->setText(qtTrId("menu.about"));
    //% "Halvex Help"
    m_help->setText(qtTrId("menu.help"));
}

} // namespace halvex
