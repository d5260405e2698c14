#include "app/StartupNoticeWindow.h"

#include <QUrl>
#include <QVBoxLayout>

#include "friction/HalvexLocalizedRoot.h"
#include "kit/ActivationPolicyCoordinator.h"
#include "kit/WindowPlacement.h"
#include "platform/Workspace.h"
#include "ui/NoticeView.h"
#include "ui/TitledWindow.h"

namespace halvex {

StartupNoticeWindow::StartupNoticeWindow(Services services, const StartupNotices &notices,
                                         Hooks hooks, QObject *parent)
    : QObject(parent)
    , m_services(std::move(services))
    , m_hooks(std::move(hooks))
{
    const QPointer<StartupNoticeWindow> self(this);
    m_window = new TitledWindow({
        .objectName = QStringLiteral("startup_notice.window"),
        // The product's name, never translated.
        .title = [] { return QStringLiteral("Halvex"); },
        .didClose =
            [self] {
                if (self)
                    self->closed();
            },
        .flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint,
    });
    auto *layout = new QVBoxLayout(m_window);
    layout->setContentsMargins(0, 0, 0, 0);
    // Built after the root has applied the stored language, so the texts come in it.
    auto *root = new HalvexLocalizedRoot(m_services.context, m_services.theme,
                                         m_services.translations, m_window);

    QList<NoticeView::Action> actions;
    if (notices.storeFailure) {
        const QString folder = notices.storeFolder;
        platform::Workspace *workspace = &m_services.workspace;
        actions << NoticeView::Action{
            //% "Show folder"
            .title = qtTrId("startup_notice.show_folder"),
            .perform = [workspace, folder] { workspace->openUrl(QUrl::fromLocalFile(folder)); },
            .objectName = QStringLiteral("startup_notice.show_folder"),
        };
        actions << NoticeView::Action{
            //% "Quit Halvex"
            .title = qtTrId("startup_notice.quit"),
            .perform =
                [self] {
                    // The quit comes first: whoever hears of the read
                    // then knows not to go on.
                    if (self && self->m_hooks.quit)
                        self->m_hooks.quit();
                    if (self && self->m_window)
                        self->m_window->close();
                },
            .objectName = QStringLiteral("startup_notice.quit"),
        };
    }
    actions << NoticeView::Action{
        .title = notices.continueTitle(),
        .perform =
            [self] {
                if (self && self->m_window)
                    self->m_window->close();
            },
        .primary = true,
        .objectName = QStringLiteral("startup_notice.continue"),
    };
    m_view = new NoticeView(notices.topics(), actions);
    root->setContent(m_view);
    layout->addWidget(root);
    m_window->setFixedSize(m_window->sizeHint());
}

StartupNoticeWindow::~StartupNoticeWindow()
{
    if (m_window) {
        // Gone with its owner, unread: nothing is called back.
        m_hooks = {};
        delete m_window;
    }
    if (m_holdsPolicy)
        m_services.activationPolicy.release();
}

QWidget *StartupNoticeWindow::window() const
{
    return m_window;
}

void StartupNoticeWindow::present()
{
    if (!m_window)
        return;
    fennimar::WindowPlacement::centerOnActiveScreen(m_window);
    if (!m_holdsPolicy) {
        m_services.activationPolicy.acquire();
        m_holdsPolicy = true;
    }
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

void StartupNoticeWindow::closed()
{
    TitledWindow *window = m_window;
    m_window = nullptr;
    m_view = nullptr;
    if (window)
        window->deleteLater();
    if (m_holdsPolicy) {
        m_holdsPolicy = false;
        m_services.activationPolicy.release();
    }
    if (m_hooks.read)
        m_hooks.read();
}

} // namespace halvex
